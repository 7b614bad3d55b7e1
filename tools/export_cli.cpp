// The command-line exporter: the files the program's Save writes, for any window size,
// scale and depth, and sizes no screen can show.
#include "tools/export_cli.h"

#include <cstdio>
#include <optional>
#include <string_view>

#include "export/base_name.h"
#include "export/png_export.h"
#include "export/svg_document.h"
#include "geometry/snowflake_image.h"
#include "platform/console.h"
#include "platform/files.h"
#include "platform/raster_image.h"
#include "platform/utf.h"
#include "text/format.h"

namespace {

constexpr int kLargestClient = 1000000;
constexpr int kSmallestDpi = 48, kLargestDpi = 960;

// A whole number from `lo` to `hi`: an optional "-" and decimal digits, nothing else.
std::optional<int> ParseWhole(std::u16string_view text, int lo, int hi) {
  const bool negative = !text.empty() && text[0] == u'-';
  if (negative) text.remove_prefix(1);
  if (text.empty() || text.size() > 9) return std::nullopt;
  int value = 0;
  for (char16_t c : text) {
    if (c < u'0' || c > u'9') return std::nullopt;
    value = value * 10 + (c - u'0');
  }
  if (negative) value = -value;
  if (value < lo || value > hi) return std::nullopt;
  return value;
}

std::u16string Decimal(long long value) { return FormatInteger(value, 0, u"0", u"", 3); }

}  // namespace

std::u16string ExportUsage() {
  return u"Usage: quillane-export [--depth D] [--client WxH | --side N]\n"
         u"                       [--dpi X | --dpi-x X --dpi-y Y] [--svg] [--png] [--out DIR]\n"
         u"\n"
         u"Writes the Koch snowflake exactly as Quillane's Save button writes it for a\n"
         u"window of the given size and display resolution: Quillane_<depth>_<side>x<side>\n"
         u".svg and .png in DIR, with one message per file in the user's language.\n"
         u"\n"
         u"  --depth D      depth from -5 to 5, a whole number; negative depths point the\n"
         u"                 bumps inward (default 0)\n"
         u"  --client WxH   the window's client area in pixels (default 300x380); it may\n"
         u"                 not be smaller than the program's smallest window, 300x180\n"
         u"                 at 96 dpi, scaled by the resolution\n"
         u"  --side N       an image of side N, N from 80 up: the client area\n"
         u"                 max(N+20, 300) x (N+100) at 96 dpi; with another resolution\n"
         u"                 use --client\n"
         u"  --dpi X        the display's resolution in dots per inch, both directions,\n"
         u"                 a whole number from 48 to 960 (default 96)\n"
         u"  --dpi-x X, --dpi-y Y\n"
         u"                 the two directions separately\n"
         u"  --svg, --png   write only the formats named (default both)\n"
         u"  --out DIR      the folder to write into, which must exist (default the\n"
         u"                 current folder)\n"
         u"  --help         this text\n"
         u"\n"
         u"Exit status: 0 when every file was written, 1 when a file could not be\n"
         u"written, 2 on bad arguments (with the reason; nothing is written then).";
}

bool ParseExportArguments(const std::vector<std::u16string>& arguments, ExportRequest& request,
                          std::u16string& reason) {
  request = ExportRequest{};
  std::optional<int> side, dpi, dpiX, dpiY;
  bool client = false, svg = false, png = false;

  for (std::size_t i = 0; i < arguments.size(); ++i) {
    std::u16string_view option = arguments[i];
    std::optional<std::u16string_view> value;
    if (const std::size_t equals = option.find(u'=');
        option.starts_with(u"--") && equals != option.npos) {
      value = option.substr(equals + 1);
      option = option.substr(0, equals);
    }
    const bool takesValue = option == u"--depth" || option == u"--client" || option == u"--side" ||
                            option == u"--dpi" || option == u"--dpi-x" || option == u"--dpi-y" ||
                            option == u"--out";
    if (takesValue && !value) {
      if (i + 1 == arguments.size()) {
        reason = std::u16string(option) + u" needs a value";
        return false;
      }
      value = arguments[++i];
    } else if (!takesValue && value) {
      reason = std::u16string(option) + u" takes no value";
      return false;
    }

    if (option == u"--help") {
      request.help = true;
    } else if (option == u"--svg") {
      svg = true;
    } else if (option == u"--png") {
      png = true;
    } else if (option == u"--depth") {
      const auto depth = ParseWhole(*value, -5, 5);
      if (!depth) {
        reason =
            u"--depth must be a whole number from -5 to 5, not '" + std::u16string(*value) + u"'";
        return false;
      }
      request.depth = *depth;
    } else if (option == u"--client") {
      const std::size_t x = value->find(u'x');
      const auto w = ParseWhole(value->substr(0, x), 1, kLargestClient);
      const auto h =
          x == value->npos ? std::nullopt : ParseWhole(value->substr(x + 1), 1, kLargestClient);
      if (!w || !h) {
        reason = u"--client must be WIDTHxHEIGHT in pixels, each from 1 to 1000000, not '" +
                 std::u16string(*value) + u"'";
        return false;
      }
      request.clientWidth = *w;
      request.clientHeight = *h;
      client = true;
    } else if (option == u"--side") {
      side = ParseWhole(*value, 80, kLargestClient - 100);
      if (!side) {
        reason = u"--side must be a whole number from 80 to 999900, not '" +
                 std::u16string(*value) + u"'";
        return false;
      }
    } else if (option == u"--dpi" || option == u"--dpi-x" || option == u"--dpi-y") {
      const auto parsed = ParseWhole(*value, kSmallestDpi, kLargestDpi);
      if (!parsed) {
        reason = std::u16string(option) + u" must be a whole number from 48 to 960, not '" +
                 std::u16string(*value) + u"'";
        return false;
      }
      (option == u"--dpi" ? dpi : option == u"--dpi-x" ? dpiX : dpiY) = parsed;
    } else if (option == u"--out") {
      if (value->empty()) {
        reason = u"--out needs a folder";
        return false;
      }
      request.outputFolder = *value;
    } else {
      reason = u"unknown option '" + std::u16string(option) + u"' (see --help)";
      return false;
    }
  }
  if (request.help) return true;

  if (dpi && (dpiX || dpiY)) {
    reason = u"--dpi cannot be combined with --dpi-x or --dpi-y";
    return false;
  }
  if (dpiX.has_value() != dpiY.has_value()) {
    reason = u"--dpi-x and --dpi-y go together";
    return false;
  }
  request.dpiX = dpi ? *dpi : dpiX.value_or(96);
  request.dpiY = dpi ? *dpi : dpiY.value_or(96);
  if (side) {
    if (client) {
      reason = u"--side and --client cannot be combined";
      return false;
    }
    if (request.dpiX != 96 || request.dpiY != 96) {
      reason = u"--side means 96 dpi; give --client with another resolution";
      return false;
    }
    request.clientWidth = *side + 20 < 300 ? 300 : *side + 20;
    request.clientHeight = *side + 100;
  }
  if (svg || png) {
    request.svg = svg;
    request.png = png;
  }

  const float scaleX = ScaleFromDpi(request.dpiX), scaleY = ScaleFromDpi(request.dpiY);
  const int smallestWidth = SmallestClientWidth(scaleX),
            smallestHeight = SmallestClientHeight(scaleY);
  if (request.clientWidth < smallestWidth || request.clientHeight < smallestHeight) {
    reason = u"the client area " + Decimal(request.clientWidth) + u"x" +
             Decimal(request.clientHeight) +
             u" is smaller than the program's smallest window at this resolution, " +
             Decimal(smallestWidth) + u"x" + Decimal(smallestHeight);
    return false;
  }
  const SnowflakePlacement placement =
      PlaceSnowflake(request.clientWidth, request.clientHeight, scaleX, scaleY);
  // With very different horizontal and vertical scales the margins can take the whole
  // client area even in a window the program allows.
  if (placement.n < 1) {
    reason = u"the client area " + Decimal(request.clientWidth) + u"x" +
             Decimal(request.clientHeight) + u" leaves no room for the image at this resolution";
    return false;
  }
  if (RasterRowBytes(placement.n) * static_cast<std::size_t>(placement.n) > kMaxImageBytes) {
    reason = u"an image of " + Decimal(placement.n) + u"x" + Decimal(placement.n) +
             u" pixels is too large; the largest has " + Decimal(kMaxImageBytes) + u" bytes";
    return false;
  }
  return true;
}

int RunExport(const ExportRequest& request, const UiTextTable& texts) {
  const SnowflakePlacement placement =
      PlaceSnowflake(request.clientWidth, request.clientHeight, ScaleFromDpi(request.dpiX),
                     ScaleFromDpi(request.dpiY));
  RasterImage image;
  OutlineList outline;
  if (!CreateSnowflakeImage(image, outline, placement.originX, placement.originY, placement.side,
                            request.depth, placement.n)) {
    WriteLine(stderr, u"quillane-export: no memory for an image of " + Decimal(placement.n) + u"x" +
                          Decimal(placement.n) + u" pixels");
    return 2;
  }

  std::u16string folder = request.outputFolder;
  if (folder.back() != PathSeparator() && folder.back() != u'/') folder += PathSeparator();
  const std::u16string baseName =
      ExportBaseName(request.depth, RoundHalfEven(MinReal(image.width, image.height)));
  bool allSaved = true;
  if (request.svg) {
    const ExportOutcome outcome = ExportSvg(folder, baseName, outline, texts);
    WriteLine(stdout, outcome.message);
    allSaved = allSaved && outcome.saved;
  }
  if (request.png) {
    const ExportOutcome outcome = ExportPng(image, folder, baseName, texts);
    WriteLine(stdout, outcome.message);
    allSaved = allSaved && outcome.saved;
  }
  return allSaved ? 0 : 1;
}

int ExportMain(const std::vector<std::u16string>& arguments) {
  ExportRequest request;
  std::u16string reason;
  if (!ParseExportArguments(arguments, request, reason)) {
    WriteLine(stderr, u"quillane-export: " + reason);
    return 2;
  }
  if (request.help) {
    WriteLine(stdout, ExportUsage());
    return 0;
  }
  return RunExport(request, ChooseUiTexts(LanguageCode()));
}
