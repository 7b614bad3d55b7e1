// The Koch curve, drawn piece by piece into the image and recorded in the outline.
#include "geometry/koch_curve.h"

#include <cmath>
#include <cstddef>
#include <limits>
#include <vector>

#include "geometry/sine_cosine.h"

namespace {

// The 64-bit real nearest pi/3: the turn is added to the parent's direction afresh for
// every sub-segment, never accumulated along the curve.
constexpr double kThirdOfPi = 1.0471975511965976;

// Directions are tabled for curves up to this depth (8191 entries); deeper ones, which
// could not be drawn in any reasonable time, compute their turns beyond it as they go.
constexpr int kTabledDepth = 12;

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

  Direction Turn(std::size_t index, double angle) const {
    return index < directions.size() ? directions[index] : MakeDirection(angle);
  }

  void Draw(double x, double y, const Direction& dir, std::size_t index, int depth) {
    if (depth == 1) {
      DrawLastStep(x, y, dir, index);
      return;
    }
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
    const int d = depth - 1;
    const std::size_t right = 2 * index + 1, left = 2 * index + 2;
    const Direction d1 = Turn(right, dir.angle - kThirdOfPi);
    const Direction d2 = Turn(left, dir.angle + kThirdOfPi);
    Draw(x, y, dir, index, d);
    // Each start point is chained from the previous one along that piece's own direction.
    const double x1 = x + l * dir.cosine, y1 = y - l * dir.sine;
    Draw(x1, y1, d1, right, d);
    const double x2 = x1 + l * d1.cosine, y2 = y1 - l * d1.sine;
    Draw(x2, y2, d2, left, d);
    const double x3 = x2 + l * d2.cosine, y3 = y2 - l * d2.sine;
    Draw(x3, y3, dir, index, d);
  }

  // The last Koch step with its four pieces at once. A piece's end is computed as the
  // next piece's start is, from the same start, length and direction, so the two are the
  // same point and each is computed and truncated once.
  void DrawLastStep(double x, double y, const Direction& dir, std::size_t index) {
    const double l = lengths[0];
    const Direction d1 = Turn(2 * index + 1, dir.angle - kThirdOfPi);
    const Direction d2 = Turn(2 * index + 2, dir.angle + kThirdOfPi);
    double px[5], py[5];
    px[0] = x, py[0] = y;
    px[1] = x + l * dir.cosine, py[1] = y - l * dir.sine;
    px[2] = px[1] + l * d1.cosine, py[2] = py[1] - l * d1.sine;
    px[3] = px[2] + l * d2.cosine, py[3] = py[2] - l * d2.sine;
    px[4] = px[3] + l * dir.cosine, py[4] = py[3] - l * dir.sine;
    int tx[5], ty[5];
    for (int i = 0; i < 5; ++i) tx[i] = TruncateToPixel(px[i]), ty[i] = TruncateToPixel(py[i]);
    for (int i = 0; i < 4; ++i) {
      DrawRasterLine(image, tx[i], ty[i], tx[i + 1], ty[i + 1], kBlack);
      outline.push_back({px[i], py[i]});
    }
  }
};

}  // namespace

void DrawKochCurve(RasterImage& image, OutlineList& outline, double x, double y, double angle,
                   double length, int depth) {
  const int steps = depth < 0 ? 0 : depth;
  const Direction first = MakeDirection(angle);
  Curve curve{image, outline, {}, {}};
  curve.lengths.resize(static_cast<std::size_t>(steps) + 1);
  curve.lengths[steps] = length;
  for (int d = steps; d > 0; --d) curve.lengths[d - 1] = curve.lengths[d] / 3;

  const int tabled = steps < kTabledDepth ? steps : kTabledDepth;
  curve.directions.resize((std::size_t{2} << tabled) - 1);
  curve.directions[0] = first;
  for (std::size_t i = 0; 2 * i + 2 < curve.directions.size(); ++i) {
    curve.directions[2 * i + 1] = MakeDirection(curve.directions[i].angle - kThirdOfPi);
    curve.directions[2 * i + 2] = MakeDirection(curve.directions[i].angle + kThirdOfPi);
  }
  curve.Draw(x, y, curve.directions[0], 0, steps);
}
