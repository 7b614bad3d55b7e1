// The user's interface language on Windows, from the user's default language ID.
#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include "platform/language.h"

bool UserLanguageIsGerman() {
  // The low ten bits are the primary language; the rest names the country or region, so
  // German of Germany, Austria, Switzerland, Luxembourg and Liechtenstein all count.
  return (GetUserDefaultLangID() & 0x3FF) == LANG_GERMAN;
}
