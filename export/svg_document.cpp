// The SVG document of the outline, and the text file it is written to.
#include "export/svg_document.h"

#include <charconv>
#include <cmath>
#include <string>

#include "platform/files.h"
#include "platform/utf.h"

namespace {

constexpr std::u16string_view kPolygonStyle = u"fill:white;stroke:black;stroke-width:0.5";

// Appends the text of FormatReal without building a string of its own.
void AppendReal(std::u16string& out, double value) {
  if (std::isnan(value)) {
    out += u"NaN";
    return;
  }
  if (std::isinf(value)) {
    out += value > 0 ? u"+Infinity" : u"-Infinity";
    return;
  }
  if (value == 0) value = 0;  // a negative zero shows no sign
  // to_chars is exact and locale-free: a German locale puts no comma in the file.
  char digits[400];
  const auto [end, error] =
      std::to_chars(digits, digits + sizeof digits, value, std::chars_format::fixed, 10);
  const char* last = end;
  if (error == std::errc() && last[-1] == '0') {
    while (last[-1] == '0') --last;  // the point stops the trimming
    if (last[-1] == '.') --last;
  }
  for (const char* c = digits; c != last; ++c) out += static_cast<char16_t>(*c);
}

}  // namespace

std::u16string FormatReal(double value) {
  std::u16string text;
  AppendReal(text, value);
  return text;
}

std::u16string SvgHeader() {
  return u"<?xml version=\"1.0\" standalone=\"no\"?>\r\n"
         u"<!DOCTYPE svg PUBLIC \"-//W3C//DTD SVG 1.1//EN\"\r\n"
         u"\"http://www.w3.org/Graphics/SVG/1.1/DTD/svg11.dtd\">\r\n"
         u"\r\n"
         u"<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\">\r\n";
}

void AppendSvgPolygon(std::u16string& document, const OutlineList& points,
                      std::u16string_view style) {
  document += u"   <polygon points=\"";
  for (std::size_t i = 0; i < points.size(); ++i) {
    if (i > 0) document += u' ';
    AppendReal(document, points[i].x);
    document += u',';
    AppendReal(document, points[i].y);
  }
  document += u"\"\r\n   style=\"";
  document += style;
  document += u"\" />\r\n";
}

void AppendSvgClose(std::u16string& document) { document += u"</svg>"; }

std::u16string SvgDocument(const OutlineList& points) {
  std::u16string document = SvgHeader();
  document.reserve(document.size() + 40 * points.size() + 100);
  AppendSvgPolygon(document, points, kPolygonStyle);
  AppendSvgClose(document);
  return document;
}

std::string TextFileBytes(std::u16string_view text) {
  std::string bytes = Utf16ToUtf8(text);
  bytes += "\r\n";
  return bytes;
}

bool WriteTextFile(const std::u16string& path, std::u16string_view text) {
  const std::string bytes = TextFileBytes(text);
  return ReplaceFileContents(path, bytes.data(), bytes.size());
}

ExportOutcome ExportSvg(const std::u16string& folder, const std::u16string& baseName,
                        const OutlineList& outline, const UiTextTable& texts) {
  const std::u16string fileName = baseName + u".svg";
  const bool saved = WriteTextFile(folder + fileName, SvgDocument(outline));
  return ExportMessage(texts, saved, fileName);
}
