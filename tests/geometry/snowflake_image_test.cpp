// Placement of the triangle in the window and the whole snowflake image.
#include "geometry/snowflake_image.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

TEST(Snowflake, MinRealAndRounding) {
  EXPECT_EQ(MinReal(1, 2), 1);
  EXPECT_EQ(MinReal(2, 1), 1);
  EXPECT_TRUE(std::signbit(MinReal(0.0, -0.0)));  // equal: the second
  EXPECT_FALSE(std::signbit(MinReal(-0.0, 0.0)));
  const struct {
    double value;
    int rounded;
  } cases[] = {{38.5, 38},
               {47.5, 48},
               {12.5, 12},
               {87.5, 88},
               {387.5, 388},
               {37.5, 38},
               {0.5, 0},
               {-0.5, 0},
               {-1.5, -2},
               {-2.5, -2},
               {2.4999999999999996, 2},
               {2.5000000000000004, 3},
               {917.3, 917},
               {-7.7, -8},
               {1e9 + 0.5, 1000000000}};
  for (const auto& c : cases) EXPECT_EQ(RoundHalfEven(c.value), c.rounded) << c.value;
}

TEST(Snowflake, ScaleAndSmallestWindow) {
  EXPECT_EQ(ScaleFromDpi(96), 1.0f);
  EXPECT_EQ(ScaleFromDpi(120), 1.25f);
  EXPECT_EQ(ScaleFromDpi(144), 1.5f);
  EXPECT_EQ(ScaleFromDpi(0), 1.0f);
  EXPECT_EQ(ScaleFromDpi(110), static_cast<float>(110 / 96.0));
  EXPECT_EQ(SmallestClientWidth(1.25f), 375);
  EXPECT_EQ(SmallestClientHeight(1.25f), 225);
}

TEST(Snowflake, PlacementFollowsTheTighterDimension) {
  const struct {
    int w, h;
    float sx, sy;
    int n, side, originX, originY;
  } cases[] = {
      {300, 380, 1, 1, 280, 204, 38, 199},
      {305, 400, 1, 1, 285, 208, 38, 203},          // originX 38.5 goes to the even 38
      {300, 180, 1, 1, 80, 44, 18, 53},             // the smallest window
      {375, 475, 1.25f, 1.25f, 350, 255, 48, 249},  // originX 47.5 goes to 48
      {800, 400, 1, 1, 300, 220, 40, 214},          // limited by the height
      {300, 2000, 1, 1, 280, 204, 38, 199},         // limited by the width
      {375, 380, 1.25f, 1.0f, 275, 200, 38, 195},   // the vertical margin follows ScaleX
  };
  for (const auto& c : cases) {
    const SnowflakePlacement p = PlaceSnowflake(c.w, c.h, c.sx, c.sy);
    EXPECT_EQ(p.n, c.n) << c.w << "x" << c.h;
    EXPECT_EQ(p.side, c.side) << c.w << "x" << c.h;
    EXPECT_EQ(p.originX, c.originX) << c.w << "x" << c.h;
    EXPECT_EQ(p.originY, c.originY) << c.w << "x" << c.h;
  }
}

TEST(Snowflake, DepthZeroIsTheTriangle) {
  RasterImage image;
  OutlineList outline{{1, 2}};  // stale points are dropped
  ASSERT_TRUE(CreateSnowflakeImage(image, outline, 38, 199, 204, 0, 280));
  EXPECT_EQ(image.width, 280);
  EXPECT_EQ(image.height, 280);
  ASSERT_EQ(outline.size(), 3u);
  EXPECT_EQ(outline[0].x, 38);
  EXPECT_EQ(outline[0].y, 199);
  EXPECT_EQ(outline[1].x, 242);
  EXPECT_EQ(outline[1].y, 199);
  EXPECT_EQ(outline[2].x, 140);
  EXPECT_NEAR(outline[2].y, 22.3308176279745, 1e-12);
  EXPECT_EQ(RasterPixel(image, 38, 199), kBlack);
  EXPECT_EQ(RasterPixel(image, 242, 199), kBlack);
  EXPECT_EQ(RasterPixel(image, 140, 22), kBlack);
  EXPECT_EQ(RasterPixel(image, 140, 100), kWhite);  // inside the triangle
  EXPECT_EQ(RasterPixel(image, 0, 0), kWhite);
}

TEST(Snowflake, EveryDepthCountsCornersAndBumps) {
  const SnowflakePlacement p = PlaceSnowflake(300, 380, 1, 1);
  const double apexY = p.originY - p.side * std::sin(1.0471975511965976);
  for (int depth = -5; depth <= 5; ++depth) {
    RasterImage image;
    OutlineList outline;
    ASSERT_TRUE(CreateSnowflakeImage(image, outline, p.originX, p.originY, p.side, depth, p.n));
    const std::size_t perSide = std::size_t{1} << (2 * std::abs(depth));
    ASSERT_EQ(outline.size(), 3 * perSide) << depth;
    EXPECT_EQ(outline[0].x, p.originX);
    EXPECT_EQ(outline[0].y, p.originY);
    // Outward the second corner is the bottom-right one; inward it is the apex.
    const OutlinePoint second = outline[perSide];
    if (depth >= 0) {
      EXPECT_EQ(second.x, p.originX + p.side) << depth;
      EXPECT_EQ(second.y, p.originY) << depth;
    } else {
      EXPECT_NEAR(second.x, p.originX + p.side / 2.0, 1e-9) << depth;
      EXPECT_NEAR(second.y, apexY, 1e-9) << depth;
    }
    double lowest = -1e9;
    for (const auto& point : outline) {
      lowest = std::max(lowest, point.y);
      ASSERT_TRUE(point.x >= 0 && point.x < p.n && point.y >= 0 && point.y < p.n) << depth;
    }
    // Outward bumps reach below the base; inward ones stay above it.
    if (depth > 0) {
      EXPECT_GT(lowest, p.originY + 10) << depth;
    } else {
      EXPECT_LT(lowest, p.originY + 1e-9) << depth;
    }
  }
}

TEST(Snowflake, RenderingAgainGivesTheSamePixelsAndPoints) {
  RasterImage first, second;
  OutlineList a, b;
  ASSERT_TRUE(CreateSnowflakeImage(first, a, 48, 249, 255, -4, 350));
  ASSERT_TRUE(CreateSnowflakeImage(second, b, 48, 249, 255, -4, 350));
  ASSERT_EQ(a.size(), b.size());
  for (std::size_t i = 0; i < a.size(); ++i) {
    EXPECT_EQ(a[i].x, b[i].x);
    EXPECT_EQ(a[i].y, b[i].y);
  }
  EXPECT_EQ(std::memcmp(first.pixels.get(), second.pixels.get(), first.stride * 350), 0);
}

TEST(Snowflake, AnImageTooLargeIsRefusedCleanly) {
  RasterImage image;
  OutlineList outline;
  EXPECT_FALSE(CreateSnowflakeImage(image, outline, 0, 0, 10, 0, 1000000));
  EXPECT_EQ(image.pixels, nullptr);
}

}  // namespace
