// What an export reports: whether the file was written, and the status-line message.
#pragma once

#include <string>

#include "text/ui_texts.h"

struct ExportOutcome {
  bool saved;
  std::u16string message;
};

// Entry 5 or 6 of the texts, naming `fileName` (never its folder).
ExportOutcome ExportMessage(const UiTextTable& texts, bool saved, const std::u16string& fileName);
