// The base name of saved files: "Quillane_", the depth, "_", the side twice.
#pragma once

#include <string>

// "Quillane_-3_0095x0095" for depth -3 and side 95; sides of five digits stay whole.
std::u16string ExportBaseName(int depth, int side);
