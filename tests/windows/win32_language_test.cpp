// The Windows language back end, run under Wine in the locale the test names.
#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "platform/language.h"

namespace {

bool RunningUnderWine() {
  const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
  return ntdll != nullptr && GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

TEST(Win32Language, GermanOfAnyRegionAndNoOtherLanguage) {
  // Set by the test's CTest entry together with the locale Wine starts in.
  const char* expected = std::getenv("QUILLANE_EXPECT_GERMAN");
  if (expected == nullptr) GTEST_SKIP() << "started without a locale to check";
  if (!RunningUnderWine()) GTEST_SKIP() << "only Wine takes the language from LC_ALL";

  EXPECT_EQ(UserLanguageIsGerman(), std::string(expected) == "1")
      << "LC_ALL=" << (std::getenv("LC_ALL") ? std::getenv("LC_ALL") : "") << ", language ID 0x"
      << std::hex << GetUserDefaultLangID();
}

}  // namespace
