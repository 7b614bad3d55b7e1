// UTF-16 to UTF-8 and back, with the malformed input a file name or argument can carry.
#include "platform/utf.h"

#include <gtest/gtest.h>

namespace {

TEST(Utf, RoundTripsEveryPlane) {
  const std::u16string text = u"Schneeflöckchen ❄ 雪 \U0001F328 end";
  const std::string bytes = Utf16ToUtf8(text);
  EXPECT_EQ(bytes,
            "Schneefl\xC3\xB6"
            "ckchen \xE2\x9D\x84 \xE9\x9B\xAA \xF0\x9F\x8C\xA8 end");
  EXPECT_EQ(Utf8ToUtf16(bytes), text);
}

TEST(Utf, MalformedInputBecomesReplacementCharacters) {
  EXPECT_EQ(Utf16ToUtf8(u"a\xD800"
                        "b"),
            "a\xEF\xBF\xBD"
            "b");                                     // lone high surrogate
  EXPECT_EQ(Utf16ToUtf8(u"\xDC00"), "\xEF\xBF\xBD");  // lone low surrogate
  const struct {
    std::string bytes;
    std::u16string text;
  } cases[] = {
      {"a\xFF"
       "b",
       u"a\xFFFD"
       "b"},
      {"\xC3", u"\xFFFD"},  // cut short at the end
      {"\xC3"
       "A",
       u"\xFFFD"
       "A"},                            // cut short by an ASCII byte
      {"\xC0\xAF", u"\xFFFD\xFFFD"},    // overlong "/" (0xC0 is never a lead)
      {"\xE0\x80\xAF", u"\xFFFD"},      // overlong three-byte form
      {"\xED\xA0\x80", u"\xFFFD"},      // an encoded surrogate
      {"\xF4\x90\x80\x80", u"\xFFFD"},  // past U+10FFFF
  };
  for (const auto& c : cases) EXPECT_EQ(Utf8ToUtf16(c.bytes), c.text);
}

}  // namespace
