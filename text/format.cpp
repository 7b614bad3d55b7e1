// Message and number formatting.
#include "text/format.h"

namespace {

// Field `number` (from 1) of `fields` cut at `separator`; empty past the last field.
std::u16string_view Field(std::u16string_view fields, std::u16string_view separator, int number) {
  std::size_t start = 0;
  for (int i = 1; i < number; ++i) {
    const std::size_t at =
        separator.empty() ? std::u16string_view::npos : fields.find(separator, start);
    if (at == std::u16string_view::npos) return {};
    start = at + separator.size();
  }
  const std::size_t end =
      separator.empty() ? std::u16string_view::npos : fields.find(separator, start);
  return fields.substr(start,
                       end == std::u16string_view::npos ? std::u16string_view::npos : end - start);
}

}  // namespace

std::u16string FormatFields(std::u16string_view format, std::u16string_view fields,
                            std::u16string_view separator) {
  std::u16string result;
  int fieldNumber = 1;
  std::size_t position = 0;
  for (;;) {
    const std::size_t percent = format.find(u'%', position);
    if (percent == std::u16string_view::npos) break;
    const char16_t next = percent + 1 < format.size() ? format[percent + 1] : u'\0';
    if (next == u's') {
      result.append(format.substr(position, percent - position));
      result.append(Field(fields, separator, fieldNumber++));
    } else if (next == u'%') {
      result.append(format.substr(position, percent + 1 - position));
    } else {
      return {};  // an unknown placeholder, or a lone "%" at the end, spoils the whole text
    }
    position = percent + 2;
  }
  result.append(format.substr(position));
  return result;
}

std::u16string FormatInteger(std::int64_t value, int width, std::u16string_view fill,
                             std::u16string_view separator, int groupSize) {
  // Digits from the magnitude as unsigned, so the most negative value has one too.
  std::uint64_t magnitude =
      value < 0 ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
  std::u16string text;
  do {
    text.insert(text.begin(), static_cast<char16_t>(u'0' + magnitude % 10));
    magnitude /= 10;
  } while (magnitude != 0);
  if (value < 0) text.insert(text.begin(), u'-');

  if (width == -1) separator = u" ";
  // A group size below 1 would never end the grouping; such a call is left ungrouped.
  if (!separator.empty() && groupSize >= 1) {
    std::size_t n = text.size();
    while (n > static_cast<std::size_t>(groupSize)) {
      n -= static_cast<std::size_t>(groupSize);
      text.insert(n, separator);
    }
  }
  if (width > 0 && static_cast<std::size_t>(width) > text.size() && !fill.empty()) {
    text.insert(0, static_cast<std::size_t>(width) - text.size(), fill.front());
  }
  return text;
}
