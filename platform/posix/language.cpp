// The user's language on POSIX systems, from the locale variables in their usual order.
#include <cstdlib>
#include <string_view>

#include "platform/language.h"

bool UserLanguageIsGerman() {
  // The first of these that is set and not empty names the language of messages.
  for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
    const char* value = std::getenv(variable);
    if (value == nullptr || *value == '\0') continue;
    const std::string_view locale(value);
    return locale.substr(0, 2) == "de" &&
           (locale.size() == 2 || locale[2] == '_' || locale[2] == '.' || locale[2] == '@');
  }
  return false;
}
