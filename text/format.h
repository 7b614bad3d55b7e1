// Message and number formatting: "%s" messages and fixed-width integers.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Fills the "%s" placeholders of `format`, in order, with the fields of `fields` cut at
// `separator`; "%%" is one "%". A "%" followed by anything else, or ending the format,
// makes the whole result empty.
std::u16string FormatFields(std::u16string_view format, std::u16string_view fields,
                            std::u16string_view separator);

// The decimal text of `value`, grouped from the right by `separator` every `groupSize`
// digits, then filled on the left with the first character of `fill` up to `width`.
// A width of -1 groups by blanks and does not fill.
std::u16string FormatInteger(std::int64_t value, int width, std::u16string_view fill,
                             std::u16string_view separator, int groupSize);
