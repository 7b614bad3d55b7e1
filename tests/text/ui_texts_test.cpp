// The interface texts: the language choice and the shape of the entries the code relies on.
#include "text/ui_texts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "text/format.h"

namespace {

TEST(UiTexts, GermanOnlyForDe) {
  EXPECT_EQ(ChooseUiTexts(u"de")[kSaveCaption], u"Speichern");
  EXPECT_EQ(ChooseUiTexts(u"de")[kFileNotSaved], u"Fehler beim Speichern der Datei '%s'.");
  for (std::u16string_view code : {u"", u"en", u"fr", u"DE", u"de-CH"}) {
    EXPECT_EQ(ChooseUiTexts(code)[kSaveCaption], u"Save");
  }
}

TEST(UiTexts, EntriesHaveTheShapeTheirUsersNeed) {
  for (std::u16string_view code : {u"de", u""}) {
    const UiTextTable texts = ChooseUiTexts(code);
    const std::u16string& label = texts[kIterationsCaption];
    EXPECT_EQ(std::count(label.begin(), label.end(), u'\n'), 1);
    EXPECT_EQ(label.find(u'\r'), std::u16string::npos);
    // The file messages take exactly one name.
    EXPECT_EQ(FormatFields(texts[kFileSaved], u"a.svg|b", u"|").find(u"a.svg"),
              texts[kFileSaved].find(u"%s"));
    EXPECT_EQ(FormatFields(texts[kFileNotSaved], u"a.svg", u"|").find(u'%'), std::u16string::npos);
  }
}

#ifndef _WIN32
// The POSIX back end reads the locale variables; the first that is set decides.
TEST(UiTexts, LanguageFollowsTheLocaleVariables) {
  struct Case {
    const char *all, *messages, *lang;
    std::u16string_view code;
  } cases[] = {
      {"", "", "de_DE.UTF-8", u"de"}, {"", "", "de_CH", u"de"},
      {"", "", "de", u"de"},          {"", "", "en_US.UTF-8", u""},
      {"", "", "dexx", u""},          {"", "", "", u""},
      {"C", "", "de_DE", u""},        {"de_AT.UTF-8", "", "en_GB", u"de"},
      {"", "en_US", "de_DE", u""},    {"", "de_LU@euro", "C", u"de"},
  };
  for (const auto& c : cases) {
    setenv("LC_ALL", c.all, 1);
    setenv("LC_MESSAGES", c.messages, 1);
    setenv("LANG", c.lang, 1);
    EXPECT_EQ(LanguageCode(), c.code) << c.all << " / " << c.messages << " / " << c.lang;
  }
  unsetenv("LC_ALL");
  unsetenv("LC_MESSAGES");
  unsetenv("LANG");
}
#endif

}  // namespace
