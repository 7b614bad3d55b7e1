// The Koch curve, drawn piece by piece into the image and recorded in the outline.
#include "geometry/koch_curve.h"

#include <cmath>
#include <limits>

#include "geometry/sine_cosine.h"

namespace {

// The 64-bit real nearest pi/3: the turn is added to the parent's direction afresh for
// every sub-segment, never accumulated along the curve.
constexpr double kThirdOfPi = 1.0471975511965976;

// Truncates toward zero, as the line's end pixels are; far-off values saturate rather
// than overflow, and the line's clipping takes care of them.
int TruncateToPixel(double v) {
  constexpr double kLimit = std::numeric_limits<int>::max() / 2;
  if (!(v > -kLimit)) return -static_cast<int>(kLimit);
  if (!(v < kLimit)) return static_cast<int>(kLimit);
  return static_cast<int>(v);
}

}  // namespace

void DrawKochCurve(RasterImage& image, OutlineList& outline, double x, double y, double angle,
                   double length, int depth) {
  if (depth <= 0) {
    const double ex = x + length * Cosine(angle);
    const double ey = y - length * Sine(angle);
    DrawRasterLine(image, TruncateToPixel(x), TruncateToPixel(y), TruncateToPixel(ex),
                   TruncateToPixel(ey), kBlack);
    outline.push_back({x, y});
    return;
  }
  const double l = length / 3;
  const int d = depth - 1;
  DrawKochCurve(image, outline, x, y, angle, l, d);
  // Each start point is chained from the previous one along that piece's own direction.
  const double x1 = x + l * Cosine(angle), y1 = y - l * Sine(angle);
  const double a1 = angle - kThirdOfPi;
  DrawKochCurve(image, outline, x1, y1, a1, l, d);
  const double x2 = x1 + l * Cosine(a1), y2 = y1 - l * Sine(a1);
  const double a2 = angle + kThirdOfPi;
  DrawKochCurve(image, outline, x2, y2, a2, l, d);
  const double x3 = x2 + l * Cosine(a2), y3 = y2 - l * Sine(a2);
  DrawKochCurve(image, outline, x3, y3, angle, l, d);
}
