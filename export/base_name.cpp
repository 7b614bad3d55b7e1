// The base name of saved files.
#include "export/base_name.h"

#include "text/format.h"

std::u16string ExportBaseName(int depth, int side) {
  const std::u16string sideText = FormatInteger(side, 4, u"0", u"", 3);
  return u"Quillane_" + FormatInteger(depth, 0, u"0", u"", 3) + u"_" + sideText + u"x" + sideText;
}
