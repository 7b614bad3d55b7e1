// The base name of saved files.
#include "export/base_name.h"

#include <gtest/gtest.h>

namespace {

TEST(BaseName, DepthThenSideTwiceInFourDigits) {
  const struct {
    int depth, side;
    std::u16string_view name;
  } cases[] = {
      {0, 280, u"Quillane_0_0280x0280"},
      {-3, 95, u"Quillane_-3_0095x0095"},
      {5, 1024, u"Quillane_5_1024x1024"},
      {-5, 12345, u"Quillane_-5_12345x12345"},  // five digits are written whole
  };
  for (const auto& c : cases) EXPECT_EQ(ExportBaseName(c.depth, c.side), c.name);
}

}  // namespace
