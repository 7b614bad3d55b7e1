// The seven interface texts, in German or English.
#pragma once

#include <array>
#include <string>
#include <string_view>

enum UiText {
  kIterationsCaption = 0,
  kSvgCaption = 1,
  kPngCaption = 2,
  kSaveCaption = 3,
  kFolderPrompt = 4,
  kFileSaved = 5,
  kFileNotSaved = 6,
};

using UiTextTable = std::array<std::u16string, 7>;

// "de" when the user's default language is German, else "".
std::u16string LanguageCode();

// The German table for "de", the English one for anything else.
UiTextTable ChooseUiTexts(std::u16string_view languageCode);
