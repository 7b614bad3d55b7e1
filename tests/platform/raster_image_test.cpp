// The raster image's memory and the one-pixel line rule, on images small enough to read.
#include "platform/raster_image.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>
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

// Every line a pen of each reach tables, drawn from points in the middle, next to each
// edge alone, at and just inside the pen's margin, and partly outside, must set exactly
// the pixels DrawRasterLine sets; so must a pen whose reach is beyond any table. Widths
// of 29 and 30 give rows with and without padding.
TEST(ShortLinePen, DrawsThePixelsOfTheRule) {
  const int height = 25;
  for (int width : {29, 30}) {
    for (int reach = 3; reach <= ShortLinePen::kMaxReach + 1; ++reach) {
      const int midX = width / 2, midY = height / 2;
      const std::pair<int, int> starts[] = {{midX, midY},
                                            {0, 0},
                                            {width - 1, height - 1},
                                            {1, midY},
                                            {width - 2, midY},
                                            {midX, 1},
                                            {midX, height - 2},
                                            {reach, midY},
                                            {reach - 1, midY},
                                            {width - 1 - reach, midY},
                                            {width - reach, midY},
                                            {midX, reach},
                                            {midX, reach - 1},
                                            {midX, height - 1 - reach},
                                            {midX, height - reach}};
      for (auto [x0, y0] : starts) {
        for (int down = -reach - 1; down <= reach + 1; ++down) {
          for (int across = -reach - 1; across <= reach + 1; ++across) {
            RasterImage drawn, expected;
            ASSERT_TRUE(CreateRasterImage(drawn, width, height, kWhite));
            ASSERT_TRUE(CreateRasterImage(expected, width, height, kWhite));
            ShortLinePen pen(drawn, reach, 0x123456);
            pen.Draw({x0, y0}, {x0 + across, y0 + down});
            DrawRasterLine(expected, x0, y0, x0 + across, y0 + down, 0x123456);
            ASSERT_EQ(0, std::memcmp(drawn.pixels.get(), expected.pixels.get(),
                                     drawn.stride * drawn.height))
                << "width " << width << ", reach " << reach << ", from (" << x0 << ", " << y0
                << ") by (" << across << ", " << down << ")";
          }
        }
      }
    }
  }
}

// A long line amid short ones goes the slow way, and the short ones after it must still
// land where the rule puts them, inside the image or clipped at its edge.
TEST(ShortLinePen, ChainedLinesMixShortAndLongOnes) {
  const std::vector<std::vector<PixelPoint>> polylines = {
      {{10, 10}, {12, 13}, {40, 14}, {42, 12}, {45, 12}},
      {{30, 20}, {32, 22}, {5, 22}, {3, 19}, {1, 19}},
      {{20, 2}, {21, 0}, {22, -3}, {24, -1}, {26, 1}},
      {{45, 20}, {47, 21}, {49, 22}, {51, 23}, {53, 22}},
  };
  for (const auto& points : polylines) {
    RasterImage drawn, expected;
    ASSERT_TRUE(CreateRasterImage(drawn, 48, 24, kWhite));
    ASSERT_TRUE(CreateRasterImage(expected, 48, 24, kWhite));
    ShortLinePen pen(drawn, 3, kBlack);
    for (std::size_t i = 0; i + 1 < points.size(); ++i) {
      pen.Draw(points[i], points[i + 1]);
      DrawRasterLine(expected, points[i].x, points[i].y, points[i + 1].x, points[i + 1].y, kBlack);
    }
    EXPECT_EQ(BlackPixels(drawn), BlackPixels(expected))
        << "from (" << points[0].x << ", " << points[0].y << ")";
  }
}

// Ends far beyond the image wrap around in the pen's arithmetic; they must neither
// overflow nor be taken for short lines.
TEST(ShortLinePen, FarOffEndsAreClippedNotWrapped) {
  RasterImage drawn, expected;
  ASSERT_TRUE(CreateRasterImage(drawn, 8, 8, kWhite));
  ASSERT_TRUE(CreateRasterImage(expected, 8, 8, kWhite));
  ShortLinePen pen(drawn, 7, kBlack);
  const int far = 1 << 30;
  for (auto [x0, y0, x1, y1] : {std::array{-far, 3, far, 3},
                                {3, far, 3, -far},
                                {-far, -far, far - 1, far - 1},
                                {2147483647, 2, -2147483647 - 1, 2}}) {
    pen.Draw({x0, y0}, {x1, y1});
    DrawRasterLine(expected, x0, y0, x1, y1, kBlack);
  }
  EXPECT_EQ(BlackPixels(drawn), BlackPixels(expected));
  EXPECT_FALSE(BlackPixels(drawn).empty());
}

}  // namespace
