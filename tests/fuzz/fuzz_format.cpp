// Fuzzes FormatFields and FormatInteger against simple models of the documented rules.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "fuzz_check.h"
#include "platform/utf.h"
#include "text/format.h"

namespace {

// The fields cut at every occurrence of `separator`, left to right; one field when the
// separator is empty.
std::vector<std::u16string_view> SplitFields(std::u16string_view fields,
                                             std::u16string_view separator) {
  std::vector<std::u16string_view> parts;
  if (separator.empty()) return {fields};
  for (;;) {
    const std::size_t at = fields.find(separator);
    parts.push_back(fields.substr(0, at));
    if (at == fields.npos) return parts;
    fields.remove_prefix(at + separator.size());
  }
}

// "%s" takes the next field (empty once they run out), "%%" is "%", any other "%"
// spoils the text.
std::u16string ModelFields(std::u16string_view format, std::u16string_view fields,
                           std::u16string_view separator) {
  const std::vector<std::u16string_view> parts = SplitFields(fields, separator);
  std::size_t next = 0;
  std::u16string out;
  for (std::size_t i = 0; i < format.size(); ++i) {
    if (format[i] != u'%') {
      out += format[i];
      continue;
    }
    if (i + 1 == format.size()) return {};
    const char16_t c = format[++i];
    if (c == u'%') {
      out += u'%';
    } else if (c == u's') {
      if (next < parts.size()) out += parts[next];
      ++next;
    } else {
      return {};
    }
  }
  return out;
}

// The decimal text, sign included, cut into groups of `groupSize` from the right (the
// sign counts as a character), then filled on the left up to `width`.
std::u16string ModelInteger(std::int64_t value, int width, std::u16string_view fill,
                            std::u16string_view separator, int groupSize) {
  const std::string ascii = std::to_string(value);
  const std::u16string text(ascii.begin(), ascii.end());
  if (width == -1) separator = u" ";
  std::u16string out;
  if (separator.empty() || groupSize < 1) {
    out = text;
  } else {
    const std::size_t g = static_cast<std::size_t>(groupSize);
    std::size_t head = text.size() % g;
    if (head == 0) head = g;
    out = text.substr(0, head);
    for (std::size_t at = head; at < text.size(); at += g) {
      out += separator;
      out += text.substr(at, g);
    }
  }
  if (width > 0 && static_cast<std::size_t>(width) > out.size() && !fill.empty()) {
    out.insert(0, static_cast<std::size_t>(width) - out.size(), fill.front());
  }
  return out;
}

void CheckFields(std::u16string_view format, std::u16string_view fields,
                 std::u16string_view separator) {
  const std::u16string result = FormatFields(format, fields, separator);
  const std::string shown = "format " + Shown(format) + " fields " + Shown(fields) + " separator " +
                            Shown(separator) + " gave " + Shown(result);
  if (format.find(u'%') == format.npos) FUZZ_CHECK(result == format, shown);
  FUZZ_CHECK(result == ModelFields(format, fields, separator), shown);
  // Every character comes from the format or from the fields.
  FUZZ_CHECK(result.size() <= format.size() * (fields.size() + 1), shown);
}

void CheckInteger(std::int64_t value, int width, std::u16string_view fill,
                  std::u16string_view separator, int groupSize) {
  const std::u16string result = FormatInteger(value, width, fill, separator, groupSize);
  const std::string ascii = std::to_string(value);
  const std::u16string decimal(ascii.begin(), ascii.end());
  const std::string shown = "value " + ascii + " width " + std::to_string(width) + " fill " +
                            Shown(fill) + " separator " + Shown(separator) + " group " +
                            std::to_string(groupSize) + " gave " + Shown(result);
  if (separator.empty() && width != -1 &&
      (width <= 0 || static_cast<std::size_t>(width) <= decimal.size())) {
    FUZZ_CHECK(result == decimal, shown);
  }
  FUZZ_CHECK(result.size() >= decimal.size(), shown);
  if (width > 0 && !fill.empty())
    FUZZ_CHECK(result.size() >= static_cast<std::size_t>(width), shown);
  // Grouping and filling add only before or between digits: the last digit ends the text.
  FUZZ_CHECK(result.back() == decimal.back(), shown);
  FUZZ_CHECK(result == ModelInteger(value, width, fill, separator, groupSize), shown);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider in(data, size);
  // Integers come from the end of the input, texts from its start.
  const std::int64_t value = in.ConsumeIntegral<std::int64_t>();
  const int width = in.ConsumeIntegralInRange<int>(-1000, 1000);
  const int groupSize = in.ConsumeIntegral<int>();
  const std::u16string format = Utf8ToUtf16(in.ConsumeRandomLengthString(256));
  const std::u16string fields = Utf8ToUtf16(in.ConsumeRandomLengthString(256));
  const std::u16string separator = Utf8ToUtf16(in.ConsumeRandomLengthString(8));
  const std::u16string fill = Utf8ToUtf16(in.ConsumeRandomLengthString(4));

  CheckFields(format, fields, separator);
  CheckInteger(value, width, fill, separator, groupSize);
  return 0;
}
