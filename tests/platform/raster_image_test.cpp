// The raster image's memory and the one-pixel line rule, on images small enough to read.
#include "platform/raster_image.h"

#include <gtest/gtest.h>

#include <set>
#include <utility>
#include <vector>

namespace {

using Pixels = std::set<std::pair<int, int>>;

Pixels BlackPixels(const RasterImage& image) {
  Pixels black;
  for (int y = 0; y < image.height; ++y)
    for (int x = 0; x < image.width; ++x)
      if (RasterPixel(image, x, y) == kBlack) black.insert({x, y});
  return black;
}

TEST(RasterImage, FillsEveryPixelInBlueGreenRedRowsPaddedToFourBytes) {
  RasterImage image;
  ASSERT_TRUE(CreateRasterImage(image, 5, 3, 0x123456));
  EXPECT_EQ(image.stride, 16u);  // 15 bytes of pixels, one of padding
  for (int y = 0; y < 3; ++y) {
    for (int x = 0; x < 5; ++x) {
      const std::uint8_t* p = image.Row(y) + 3 * x;
      EXPECT_EQ(p[0], 0x56);  // blue first
      EXPECT_EQ(p[1], 0x34);
      EXPECT_EQ(p[2], 0x12);
      EXPECT_EQ(RasterPixel(image, x, y), 0x123456u);
    }
  }
  ReleaseRasterImage(image);
  EXPECT_EQ(image.pixels, nullptr);
  EXPECT_EQ(image.width, 0);
}

TEST(RasterImage, RefusesSizesItCannotHold) {
  RasterImage image;
  ASSERT_TRUE(CreateRasterImage(image, 4, 4, kWhite));
  for (auto [w, h] : {std::pair{0, 5}, {5, 0}, {-3, 4}, {100000, 100000}, {2147483647, 2}}) {
    EXPECT_FALSE(CreateRasterImage(image, w, h, kWhite)) << w << "x" << h;
    EXPECT_EQ(image.pixels, nullptr);  // the earlier image is gone, nothing half made
  }
}

struct LineCase {
  const char* what;
  int size;
  int x0, y0, x1, y1;
  Pixels expected;
};

TEST(RasterImage, LinesSetThePixelsOfTheRule) {
  const LineCase cases[] = {
      {"row, both ends", 8, 1, 2, 5, 2, {{1, 2}, {2, 2}, {3, 2}, {4, 2}, {5, 2}}},
      {"column, ends swapped", 8, 3, 4, 3, 1, {{3, 1}, {3, 2}, {3, 3}, {3, 4}}},
      {"single pixel", 8, 6, 6, 6, 6, {{6, 6}}},
      // x-major; the error term starts at 2·2 − 4 = 0, and 0 already steps the minor axis.
      {"shallow", 8, 0, 0, 4, 2, {{0, 0}, {1, 1}, {2, 1}, {3, 2}, {4, 2}}},
      {"shallow, drawn backwards", 8, 4, 2, 0, 0, {{0, 0}, {1, 1}, {2, 1}, {3, 2}, {4, 2}}},
      {"steep", 8, 0, 0, 1, 3, {{0, 0}, {0, 1}, {1, 2}, {1, 3}}},
      {"rising diagonal", 8, 0, 3, 3, 0, {{0, 3}, {1, 2}, {2, 1}, {3, 0}}},
      {"row clipped to the image",
       8,
       -5,
       2,
       20,
       2,
       {{0, 2}, {1, 2}, {2, 2}, {3, 2}, {4, 2}, {5, 2}, {6, 2}, {7, 2}}},
      // Clipped to columns, then rows: the ends move to (0, 1) and (2, 3).
      {"diagonal through a corner", 4, -2, -1, 5, 6, {{0, 1}, {1, 2}, {2, 3}}},
      {"wholly outside", 8, -9, -9, -1, -4, {}},
  };
  for (const auto& c : cases) {
    RasterImage image;
    ASSERT_TRUE(CreateRasterImage(image, c.size, c.size, kWhite));
    DrawRasterLine(image, c.x0, c.y0, c.x1, c.y1, kBlack);
    EXPECT_EQ(BlackPixels(image), c.expected) << c.what;
  }
}

TEST(RasterImage, ClippingComesBeforeTheSteps) {
  // Stepped from (-2, 0) the line would reach row 1 at x = 1; clipped first, its ends
  // truncate onto row 0 and it stays there.
  RasterImage image;
  ASSERT_TRUE(CreateRasterImage(image, 3, 3, kWhite));
  DrawRasterLine(image, -2, 0, 3, 1, kBlack);
  EXPECT_EQ(BlackPixels(image), (Pixels{{0, 0}, {1, 0}, {2, 0}}));
}

TEST(RasterImage, LinesReplacePixelsAndLeaveTheRestAlone) {
  RasterImage image;
  ASSERT_TRUE(CreateRasterImage(image, 6, 6, kBlack));
  DrawRasterLine(image, 0, 0, 5, 5, 0xFF0000);
  for (int y = 0; y < 6; ++y)
    for (int x = 0; x < 6; ++x)
      EXPECT_EQ(RasterPixel(image, x, y), x == y ? 0xFF0000u : kBlack) << x << "," << y;
}

}  // namespace
