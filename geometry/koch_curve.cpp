// The Koch curve, drawn piece by piece into the image and recorded in the outline.
#include "geometry/koch_curve.h"

#include <cassert>
#include <cmath>
#include <cstddef>
#include <limits>
#include <vector>

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

struct Direction {
  double angle;
  double cosine;
  double sine;
};

Direction MakeDirection(double angle) { return {angle, Cosine(angle), Sine(angle)}; }

// A piece's direction depends only on the turns taken on the way down to it, so every
// direction is computed once. Entry i turns right into 2i + 1 (angle - pi/3) and left
// into 2i + 2 (angle + pi/3), each from its parent's angle exactly as the recursion
// would, so the cosines and sines are the very values a per-piece call would give.
// Likewise every piece of one level has the same length.
struct Curve {
  RasterImage& image;
  OutlineList& outline;
  std::vector<Direction> directions;
  std::vector<double> lengths;  // by remaining depth

  void Draw(double x, double y, std::size_t turn, int depth) {
    const Direction& dir = directions[turn];
    if (depth <= 0) {
      const double length = lengths[0];
      const double ex = x + length * dir.cosine;
      const double ey = y - length * dir.sine;
      DrawRasterLine(image, TruncateToPixel(x), TruncateToPixel(y), TruncateToPixel(ex),
                     TruncateToPixel(ey), kBlack);
      outline.push_back({x, y});
      return;
    }
    const double l = lengths[depth - 1];
    const std::size_t right = 2 * turn + 1, left = 2 * turn + 2;
    Draw(x, y, turn, depth - 1);
    // Each start point is chained from the previous one along that piece's own direction.
    const double x1 = x + l * dir.cosine, y1 = y - l * dir.sine;
    Draw(x1, y1, right, depth - 1);
    const double x2 = x1 + l * directions[right].cosine, y2 = y1 - l * directions[right].sine;
    Draw(x2, y2, left, depth - 1);
    const double x3 = x2 + l * directions[left].cosine, y3 = y2 - l * directions[left].sine;
    Draw(x3, y3, turn, depth - 1);
  }
};

}  // namespace

void DrawKochCurve(RasterImage& image, OutlineList& outline, double x, double y, double angle,
                   double length, int depth) {
  const int steps = depth < 0 ? 0 : depth;
  assert(steps <= 15 && "a deeper curve would never finish");
  Curve curve{image, outline, {}, {}};
  curve.lengths.resize(static_cast<std::size_t>(steps) + 1);
  curve.lengths[steps] = length;
  for (int d = steps; d > 0; --d) curve.lengths[d - 1] = curve.lengths[d] / 3;

  // One entry for every sequence of turns a piece can be reached by.
  curve.directions.resize((std::size_t{2} << steps) - 1);
  curve.directions[0] = MakeDirection(angle);
  for (std::size_t i = 0; 2 * i + 2 < curve.directions.size(); ++i) {
    curve.directions[2 * i + 1] = MakeDirection(curve.directions[i].angle - kThirdOfPi);
    curve.directions[2 * i + 2] = MakeDirection(curve.directions[i].angle + kThirdOfPi);
  }
  curve.Draw(x, y, 0, steps);
}
