// Placement of the triangle in the window, and the snowflake image drawn from it.
#include "geometry/snowflake_image.h"

#include <cassert>
#include <cmath>

#include "geometry/koch_curve.h"
#include "geometry/sine_cosine.h"

namespace {

constexpr double kRadiansPerDegree = 0.017453292519943295;
constexpr double kThirdOfPi = 1.0471975511965976;

}  // namespace

double MinReal(double a, double b) { return a < b ? a : b; }

int RoundHalfEven(double value) {
  assert(std::fabs(value) < 2147483647.0 && "only image-sized values are rounded");
  double whole = std::floor(value);
  const double fraction = value - whole;  // exact: both lie within one binade step
  if (fraction > 0.5 || (fraction == 0.5 && std::fmod(whole, 2.0) != 0.0)) whole += 1.0;
  return static_cast<int>(whole);
}

float ScaleFromDpi(int dotsPerInch) {
  return dotsPerInch > 0 ? static_cast<float>(dotsPerInch / 96.0) : 1.0f;
}

int SmallestClientWidth(float scaleX) { return RoundHalfEven(300 * static_cast<double>(scaleX)); }
int SmallestClientHeight(float scaleY) { return RoundHalfEven(180 * static_cast<double>(scaleY)); }

SnowflakePlacement PlaceSnowflake(int clientWidth, int clientHeight, float scaleX, float scaleY) {
  const double sx = scaleX, sy = scaleY;
  SnowflakePlacement p;
  p.m = MinReal(clientWidth - 20 * sx, clientHeight - 20 * sx - 80 * sy);
  p.n = RoundHalfEven(p.m);
  p.s = 0.8 * p.m - 20 * sy;
  p.side = RoundHalfEven(p.s);
  p.originX = RoundHalfEven(p.m / 2 - p.s / 2);
  p.originY = RoundHalfEven(p.m / 2 + (p.s / 3) * Sine(60 * kRadiansPerDegree));
  return p;
}

bool CreateSnowflakeImage(RasterImage& image, OutlineList& outline, int originX, int originY,
                          int side, int depth, int imageSide) {
  assert(depth >= -8 && depth <= 8 && "deeper curves would not finish");
  outline.clear();
  const int steps = depth < 0 ? -depth : depth;
  outline.reserve(std::size_t{3} << (2 * steps));
  if (!CreateRasterImage(image, imageSide, imageSide, kWhite)) return false;

  const double x = originX, y = originY, c = side;
  const double apexX = x + c / 2, apexY = y - c * Sine(kThirdOfPi);
  // One pen for the three sides: its table is made once.
  ShortLinePen pen(image, KochPieceReach(c, steps), kBlack);
  if (depth >= 0) {
    // Counterclockwise on screen: the bumps, on the clockwise side of travel, point out.
    DrawKochCurve(pen, outline, x, y, 0, c, steps);
    DrawKochCurve(pen, outline, x + c, y, 120 * kRadiansPerDegree, c, steps);
    DrawKochCurve(pen, outline, apexX, apexY, 240 * kRadiansPerDegree, c, steps);
  } else {
    DrawKochCurve(pen, outline, x, y, 60 * kRadiansPerDegree, c, steps);
    DrawKochCurve(pen, outline, apexX, apexY, -60 * kRadiansPerDegree, c, steps);
    DrawKochCurve(pen, outline, x + c, y, 180 * kRadiansPerDegree, c, steps);
  }
  return true;
}
