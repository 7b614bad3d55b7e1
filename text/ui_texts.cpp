// The interface texts in the two languages the program speaks.
#include "text/ui_texts.h"

#include "platform/language.h"

std::u16string LanguageCode() { return UserLanguageIsGerman() ? u"de" : u""; }

UiTextTable ChooseUiTexts(std::u16string_view languageCode) {
  if (languageCode == u"de") {
    return {u"Iterationen\n(-5 bis +5):",
            u"SVG-Datei",
            u"PNG-Datei",
            u"Speichern",
            u"Wo soll(en) die Datei(en) gespeichert werden?",
            u"Datei '%s' gespeichert.",
            u"Fehler beim Speichern der Datei '%s'."};
  }
  return {u"Iterations\n(-5 to +5):",
          u"SVG file",
          u"PNG file",
          u"Save",
          u"Where to save the file(s)?",
          u"File '%s' saved.",
          u"Error saving file '%s'."};
}
