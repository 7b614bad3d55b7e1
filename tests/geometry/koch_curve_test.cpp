// The Koch curve: chained pieces, truncated end pixels, unrounded outline points.
#include "geometry/koch_curve.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <cstring>

#include "geometry/sine_cosine.h"
#include "geometry/snowflake_image.h"

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

// The curve as its rule reads, one call per piece: every sub-segment's direction is its
// parent's plus a turn, its start chained from the one before along its own direction,
// and every leaf drawn by DrawRasterLine between its truncated ends. The fast drawing
// must agree with it to the pixel and to the last bit of every outline point.
int ReferenceTruncate(double v) {
  constexpr double kLimit = 2147483647 / 2;
  return static_cast<int>(std::clamp(std::trunc(v), -kLimit, kLimit));
}

void ReferenceCurve(RasterImage& image, OutlineList& outline, double x, double y, double angle,
                    double length, int depth) {
  if (depth <= 0) {
    const double ex = x + length * Cosine(angle), ey = y - length * Sine(angle);
    DrawRasterLine(image, ReferenceTruncate(x), ReferenceTruncate(y), ReferenceTruncate(ex),
                   ReferenceTruncate(ey), kBlack);
    outline.push_back({x, y});
    return;
  }
  constexpr double kThirdOfPi = 1.0471975511965976;
  const double l = length / 3;
  for (double a : {angle, angle - kThirdOfPi, angle + kThirdOfPi, angle}) {
    ReferenceCurve(image, outline, x, y, a, l, depth - 1);
    x += l * Cosine(a);
    y -= l * Sine(a);
  }
}

TEST(KochCurve, AgreesWithThePiecewiseRule) {
  struct Case {
    const char* what;
    double x, y, angle, length;
    int depth;
  } cases[] = {
      {"whole curve inside", 20.3, 140.6, 0, 243, 4},
      {"pieces under a pixel", 40.5, 60.25, 0.3, 50, 5},
      {"long pieces, drawn the slow way", 5.5, 190.5, 0.2, 190, 2},
      {"depth 6, pieces beyond the table", 0.5, 199.5, 0.1, 4000, 6},
      {"running off the left and top", 30.7, 20.2, 2.5, 300, 4},
      {"starting outside, crossing the image", -150.5, 120.5, 0.3, 400, 3},
      {"inward bumps", 180.25, 40.75, 4.18879020478639, 170, 5},
      {"backwards length", 150.5, 100.5, 1.0, -120, 3},
      {"far beyond int, crossing the image", -1e9, 100.5, 0.0, 9e9, 2},
      {"far below, pointing up", 100.5, 5e9, 1.5707963267948966, 3e10, 1},
      {"a straight segment", 10.5, 10.5, 0.7, 150, 0},
  };
  for (const auto& c : cases) {
    RasterImage drawn, expected;
    ASSERT_TRUE(CreateRasterImage(drawn, 200, 200, kWhite));
    ASSERT_TRUE(CreateRasterImage(expected, 200, 200, kWhite));
    OutlineList fast = {{1, 2}}, reference = {{1, 2}};  // appended to, not replaced
    DrawKochCurve(drawn, fast, c.x, c.y, c.angle, c.length, c.depth);
    ReferenceCurve(expected, reference, c.x, c.y, c.angle, c.length, c.depth);
    ASSERT_EQ(fast.size(), reference.size()) << c.what;
    for (std::size_t i = 0; i < fast.size(); ++i) {
      ASSERT_EQ(fast[i].x, reference[i].x) << c.what << ", point " << i;
      ASSERT_EQ(fast[i].y, reference[i].y) << c.what << ", point " << i;
    }
    EXPECT_EQ(0,
              std::memcmp(drawn.pixels.get(), expected.pixels.get(), drawn.stride * drawn.height))
        << c.what;
    const std::uint8_t* begin = expected.pixels.get();
    const std::uint8_t* end = begin + expected.stride * expected.height;
    EXPECT_NE(std::find(begin, end, 0), end) << c.what << " draws nothing here";
  }
}

// Three sides drawn with one shared pen, as the snowflake draws them, at the program's
// sizes: every pixel as the piecewise rule puts it.
TEST(KochCurve, SharedPenDrawsTheSnowflakeOfTheRule) {
  constexpr double kDegree = 0.017453292519943295;
  for (int depth : {5, -5, 3}) {
    for (auto [originX, originY, side, n] : {std::array{38, 199, 204, 280}, {92, 683, 714, 917}}) {
      RasterImage drawn, expected;
      OutlineList fast, reference;
      ASSERT_TRUE(CreateSnowflakeImage(drawn, fast, originX, originY, side, depth, n));
      ASSERT_TRUE(CreateRasterImage(expected, n, n, kWhite));
      const double x = originX, y = originY, s = side;
      const double apexX = x + s / 2, apexY = y - s * Sine(60 * kDegree);
      const int steps = std::abs(depth);
      if (depth >= 0) {
        ReferenceCurve(expected, reference, x, y, 0, s, steps);
        ReferenceCurve(expected, reference, x + s, y, 120 * kDegree, s, steps);
        ReferenceCurve(expected, reference, apexX, apexY, 240 * kDegree, s, steps);
      } else {
        ReferenceCurve(expected, reference, x, y, 60 * kDegree, s, steps);
        ReferenceCurve(expected, reference, apexX, apexY, -60 * kDegree, s, steps);
        ReferenceCurve(expected, reference, x + s, y, 180 * kDegree, s, steps);
      }
      ASSERT_EQ(fast.size(), reference.size());
      for (std::size_t i = 0; i < fast.size(); ++i) {
        ASSERT_EQ(fast[i].x, reference[i].x) << "depth " << depth << ", point " << i;
        ASSERT_EQ(fast[i].y, reference[i].y) << "depth " << depth << ", point " << i;
      }
      EXPECT_EQ(0,
                std::memcmp(drawn.pixels.get(), expected.pixels.get(), drawn.stride * drawn.height))
          << "depth " << depth << " in " << n << " pixels";
    }
  }
}

}  // namespace
