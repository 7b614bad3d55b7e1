// The user's interface language.
#pragma once

// True when the primary language of the user's default language is German.
bool UserLanguageIsGerman();
