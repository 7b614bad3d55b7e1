// The Koch curve: chained pieces, truncated end pixels, unrounded outline points.
#include "geometry/koch_curve.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>

namespace {

bool SamePixels(const RasterImage& a, const RasterImage& b) {
  for (int y = 0; y < a.height; ++y)
    for (int x = 0; x < a.width; ++x)
      if (RasterPixel(a, x, y) != RasterPixel(b, x, y)) return false;
  return true;
}

TEST(KochCurve, DepthOneFollowsTheWorkedExample) {
  RasterImage image, expected;
  ASSERT_TRUE(CreateRasterImage(image, 280, 280, kWhite));
  ASSERT_TRUE(CreateRasterImage(expected, 280, 280, kWhite));
  OutlineList outline;
  DrawKochCurve(image, outline, 38, 199, 0, 204, 1);

  ASSERT_EQ(outline.size(), 4u);
  const OutlinePoint points[] = {{38, 199}, {106, 199}, {140, 257.88972745734183}, {174, 199}};
  for (int i = 0; i < 4; ++i) {
    EXPECT_NEAR(outline[i].x, points[i].x, 1e-12) << i;
    EXPECT_NEAR(outline[i].y, points[i].y, 1e-12) << i;
  }
  // The bump's tip at y = 257.89 is truncated to row 257, not rounded to 258.
  for (auto [x0, y0, x1, y1] : {std::array{38, 199, 106, 199},
                                {106, 199, 140, 257},
                                {140, 257, 174, 199},
                                {174, 199, 242, 199}}) {
    DrawRasterLine(expected, x0, y0, x1, y1, kBlack);
  }
  EXPECT_TRUE(SamePixels(image, expected));
  EXPECT_EQ(RasterPixel(image, 140, 258), kWhite);
}

TEST(KochCurve, LeavesDrawOneLineAndRecordTheirStart) {
  struct Case {
    const char* what;
    double x, y, length;
    int depth;
    int fromX, toX;  // the black run on row 5
  } cases[] = {
      {"depth 0", 2.5, 5.7, 6, 0, 2, 8},
      {"negative depth is depth 0", 2.5, 5.7, 6, -3, 2, 8},
      // An end a hair below an integer lands on the pixel before it.
      {"end just short of 38", 30, 5, 7.99999999999991, 0, 30, 37},
      {"piece shorter than a pixel", 12.2, 5.1, 0.18, 0, 12, 12},
  };
  for (const auto& c : cases) {
    RasterImage image;
    ASSERT_TRUE(CreateRasterImage(image, 40, 10, kWhite));
    OutlineList outline;
    DrawKochCurve(image, outline, c.x, c.y, 0, c.length, c.depth);
    ASSERT_EQ(outline.size(), 1u) << c.what;
    EXPECT_EQ(outline[0].x, c.x) << c.what;  // unrounded
    EXPECT_EQ(outline[0].y, c.y) << c.what;
    for (int x = 0; x < 40; ++x) {
      EXPECT_EQ(RasterPixel(image, x, 5), x >= c.fromX && x <= c.toX ? kBlack : kWhite)
          << c.what << " at x = " << x;
    }
  }
}

TEST(KochCurve, PiecesChainAndBumpToTheClockwiseSide) {
  RasterImage image;
  ASSERT_TRUE(CreateRasterImage(image, 300, 300, kWhite));
  OutlineList outline;
  DrawKochCurve(image, outline, 10, 100, 0, 243, 3);
  ASSERT_EQ(outline.size(), 64u);
  // Pieces of 243/27 = 9 pixels, each starting where the one before ended.
  for (std::size_t i = 1; i < outline.size(); ++i) {
    EXPECT_NEAR(std::hypot(outline[i].x - outline[i - 1].x, outline[i].y - outline[i - 1].y), 9,
                1e-9);
  }
  // Travelling right, the bumps stand below the line (y grows downward), never above.
  double lowest = 0, highest = 1e9;
  for (const auto& p : outline) lowest = std::max(lowest, p.y), highest = std::min(highest, p.y);
  EXPECT_NEAR(highest, 100, 1e-9);
  EXPECT_GT(lowest, 100 + 60);
}

}  // namespace
