// Fuzzes the exporter's argument parser: an accepted request can always be rendered, and
// a refused one always says why.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz_check.h"
#include "geometry/snowflake_image.h"
#include "platform/raster_image.h"
#include "platform/utf.h"
#include "tools/export_cli.h"

namespace {

// One argument per line of the input, as UTF-8.
std::vector<std::u16string> SplitArguments(std::string_view input) {
  std::vector<std::u16string> arguments;
  while (!input.empty()) {
    const std::size_t end = input.find('\n');
    arguments.push_back(Utf8ToUtf16(input.substr(0, end)));
    if (end == input.npos) break;
    input.remove_prefix(end + 1);
  }
  return arguments;
}

std::string ShownArguments(const std::vector<std::u16string>& arguments) {
  std::string text;
  for (const std::u16string& a : arguments) text += Shown(a) + ' ';
  return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::vector<std::u16string> arguments =
      SplitArguments(std::string_view(reinterpret_cast<const char*>(data), size));
  ExportRequest request;
  std::u16string reason;
  const bool accepted = ParseExportArguments(arguments, request, reason);
  const std::string shown = "arguments " + ShownArguments(arguments) + "reason " + Shown(reason);

  if (!accepted) {
    FUZZ_CHECK(!reason.empty(), shown);
    return 0;
  }
  FUZZ_CHECK(request.depth >= -5 && request.depth <= 5, shown);
  FUZZ_CHECK(request.dpiX >= 48 && request.dpiX <= 960, shown);
  FUZZ_CHECK(request.dpiY >= 48 && request.dpiY <= 960, shown);
  FUZZ_CHECK(!request.outputFolder.empty(), shown);
  if (request.help) return 0;  // only the usage is printed

  FUZZ_CHECK(request.svg || request.png, shown);
  const float scaleX = ScaleFromDpi(request.dpiX), scaleY = ScaleFromDpi(request.dpiY);
  FUZZ_CHECK(request.clientWidth >= SmallestClientWidth(scaleX), shown);
  FUZZ_CHECK(request.clientHeight >= SmallestClientHeight(scaleY), shown);
  FUZZ_CHECK(request.clientWidth <= 1000000 && request.clientHeight <= 1000000, shown);

  const SnowflakePlacement p =
      PlaceSnowflake(request.clientWidth, request.clientHeight, scaleX, scaleY);
  const std::string placed = shown + " image side " + std::to_string(p.n);
  // An accepted request must give an image to draw, and one whose memory is allowed.
  FUZZ_CHECK(p.n >= 1, placed);
  FUZZ_CHECK(RasterRowBytes(p.n) <= kMaxImageBytes / static_cast<std::size_t>(p.n), placed);
  return 0;
}
