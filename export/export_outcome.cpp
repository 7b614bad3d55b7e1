// The status-line message that tells how an export went.
#include "export/export_outcome.h"

#include "text/format.h"

ExportOutcome ExportMessage(const UiTextTable& texts, bool saved, const std::u16string& fileName) {
  return {saved, FormatFields(texts[saved ? kFileSaved : kFileNotSaved], fileName, u"|")};
}
