// FormatFields and FormatInteger against the documented examples and their edges.
#include "text/format.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

namespace {

struct FieldsCase {
  std::u16string_view format, fields, expected;
};

TEST(FormatFields, FillsPlaceholdersInOrder) {
  const FieldsCase cases[] = {
      {u"%s x %s", u"280|280", u"280 x 280"},
      {u"File '%s' saved.", u"Quillane_0_0280x0280.svg", u"File 'Quillane_0_0280x0280.svg' saved."},
      {u"100%% done", u"", u"100% done"},
      {u"a%%sb", u"x", u"a%sb"},
      {u"%s and %s", u"one", u"one and "},
      {u"%s", u"a|b|c", u"a"},
      {u"[%s][%s][%s]", u"a||c", u"[a][][c]"},
      {u"no placeholder", u"x", u"no placeholder"},
      {u"", u"x", u""},
      {u"%s", u"", u""},
      // A field holding "%" is copied, never read as a placeholder.
      {u"<%s>", u"50%s%", u"<50%s%>"},
      {u"Datei '%s' gespeichert.", u"Schneeflöckchen ❄ 雪",
       u"Datei 'Schneeflöckchen ❄ 雪' gespeichert."},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FormatFields(c.format, c.fields, u"|"), c.expected);
  }
}

TEST(FormatFields, ABadPlaceholderEmptiesTheWholeText) {
  for (std::u16string_view format : {u"50%", u"%d items", u"%s then %", u"%s %x %s", u"%"}) {
    EXPECT_EQ(FormatFields(format, u"a|b", u"|"), u"") << std::string(format.begin(), format.end());
  }
}

TEST(FormatFields, SeparatorMayHaveSeveralCharacters) {
  EXPECT_EQ(FormatFields(u"%s-%s-%s", u"a::b|c::d", u"::"), u"a-b|c-d");
  EXPECT_EQ(FormatFields(u"%s/%s", u"whole", u""), u"whole/");
}

struct IntegerCase {
  std::int64_t value;
  int width;
  std::u16string_view fill, separator;
  int group;
  std::u16string_view expected;
};

TEST(FormatInteger, GroupsThenFills) {
  const IntegerCase cases[] = {
      {280, 4, u"0", u"", 3, u"0280"},
      {95, 4, u"0", u"", 3, u"0095"},
      {0, 4, u"0", u"", 3, u"0000"},
      {12345, 4, u"0", u"", 3, u"12345"},
      {1234567, 0, u"0", u",", 3, u"1,234,567"},
      {1234567, -1, u"*", u",", 3, u"1 234 567"},
      {5, 3, u"*", u"", 3, u"**5"},
      {1234, 8, u"0", u",", 3, u"0001,234"},
      {1234, 4, u"0", u"", 3, u"1234"},  // width equal to the length changes nothing
      {42, -7, u"0", u"", 3, u"42"},     // a width below 0 other than -1 never pads
      {123, 0, u"0", u",", 3, u"123"},   // exactly one group: no separator
      {1234, 0, u"0", u"'", 2, u"12'34"},
      {-5, 3, u"0", u"", 3, u"0-5"},  // the sign counts as a character
      {-1234, 0, u"0", u",", 3, u"-1,234"},
      {-123456, 0, u"0", u",", 3, u"-,123,456"},
      {7, 3, u"xy", u"", 3, u"xx7"},          // only the first character of the fill
      {7, 3, u"", u"", 3, u"7"},              // an empty fill pads nothing
      {123456, 0, u"0", u",", 0, u"123456"},  // a group size below 1 does not group
      {std::numeric_limits<std::int64_t>::min(), 0, u"0", u"", 3, u"-9223372036854775808"},
      {std::numeric_limits<std::int64_t>::max(), -1, u"0", u"", 3, u"9 223 372 036 854 775 807"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FormatInteger(c.value, c.width, c.fill, c.separator, c.group), c.expected)
        << c.value << " width " << c.width;
  }
}

}  // namespace
