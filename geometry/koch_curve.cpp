// The Koch curve, drawn piece by piece into the image and recorded in the outline.
#include "geometry/koch_curve.h"

#include <algorithm>
#include <cassert>
#include <cmath>
#include <cstddef>
#include <limits>
#include <utility>
#include <vector>

#include "geometry/sine_cosine.h"

namespace {

// The 64-bit real nearest pi/3: the turn is added to the parent's direction afresh for
// every sub-segment, never accumulated along the curve.
constexpr double kThirdOfPi = 1.0471975511965976;

// Coordinates within this distance of zero truncate to an int whose differences do not
// overflow either.
constexpr double kNearLimit = std::numeric_limits<int>::max() / 2;

// Truncates toward zero, as the line's end pixels are. A curve that may leave the near
// range saturates its far-off values instead of overflowing; the line's clipping takes
// care of them.
int TruncateNear(double v) { return static_cast<int>(v); }
int TruncateFar(double v) {
  if (!(v > -kNearLimit)) return -static_cast<int>(kNearLimit);
  if (!(v < kNearLimit)) return static_cast<int>(kNearLimit);
  return static_cast<int>(v);
}

struct Direction {
  double angle;
  double cosine;
  double sine;
};

// A piece's direction depends only on the turns taken on the way down to it, so every
// direction is computed once. Entry i turns right into 2i + 1 (angle - pi/3) and left
// into 2i + 2 (angle + pi/3), each from its parent's angle exactly as the recursion
// would, so the cosines and sines are the very values a per-piece call would give.
// Turns that land on an angle already seen, to the last bit, reuse its cosine and sine.
std::vector<Direction> MakeDirections(double angle, int steps) {
  std::vector<Direction> directions((std::size_t{2} << steps) - 1);
  std::vector<Direction> distinct;
  for (std::size_t i = 0; i < directions.size(); ++i) {
    const double a = i == 0       ? angle
                     : i % 2 == 1 ? directions[(i - 1) / 2].angle - kThirdOfPi
                                  : directions[(i - 2) / 2].angle + kThirdOfPi;
    auto seen = std::find_if(distinct.begin(), distinct.end(),
                             [a](const Direction& d) { return d.angle == a; });
    if (seen == distinct.end()) seen = distinct.insert(distinct.end(), {a, Cosine(a), Sine(a)});
    directions[i] = *seen;
  }
  return directions;
}

// Where a step of the curve starts, and the turns taken on the way down to it.
struct Start {
  double x;
  double y;
  std::size_t turn;
};

// Splits every step of one level into its four, in drawing order: the first starts where
// its parent does, and each next start is chained from the one before along that
// piece's own direction. `length` is the length of the new steps.
void SplitSteps(const std::vector<Direction>& directions, double length,
                const std::vector<Start>& steps, std::vector<Start>& next) {
  next.resize(4 * steps.size());
  Start* split = next.data();
  for (const Start& s : steps) {
    const Direction& dir = directions[s.turn];
    const std::size_t right = 2 * s.turn + 1, left = 2 * s.turn + 2;
    const double x1 = s.x + length * dir.cosine, y1 = s.y - length * dir.sine;
    const double x2 = x1 + length * directions[right].cosine;
    const double y2 = y1 - length * directions[right].sine;
    const double x3 = x2 + length * directions[left].cosine;
    const double y3 = y2 - length * directions[left].sine;
    split[0] = s;
    split[1] = {x1, y1, right};
    split[2] = {x2, y2, left};
    split[3] = {x3, y3, s.turn};
    split += 4;
  }
}

template <int (*Truncate)(double)>
void DrawCurve(ShortLinePen& pen, OutlineList& outline, double x, double y, double angle,
               double length, int steps) {
  const std::vector<Direction> directions = MakeDirections(angle, steps);
  const std::size_t first = outline.size();
  outline.resize(first + (std::size_t{1} << (2 * steps)));
  OutlinePoint* points = outline.data() + first;
  if (steps == 0) {
    // A straight segment: one piece.
    points[0] = {x, y};
    pen.Draw({Truncate(x), Truncate(y)}, {Truncate(x + length * directions[0].cosine),
                                          Truncate(y - length * directions[0].sine)});
    return;
  }
  // The starts of the last step's pieces, found level by level rather than by recursion:
  // the same arithmetic, without a call per step.
  std::vector<Start> starts{{x, y, 0}}, next;
  starts.reserve(std::size_t{1} << (2 * steps - 2));
  next.reserve(starts.capacity());
  double l = length;
  for (int level = steps; level > 1; --level) {
    l /= 3;
    SplitSteps(directions, l, starts, next);
    starts.swap(next);
  }
  l /= 3;
  // The last step: its four pieces end where the next one starts, and the last one ends
  // along its own direction, as a piece of depth 0 does.
  for (const Start& s : starts) {
    const Direction& dir = directions[s.turn];
    const Direction& right = directions[2 * s.turn + 1];
    const Direction& left = directions[2 * s.turn + 2];
    const double x1 = s.x + l * dir.cosine, y1 = s.y - l * dir.sine;
    const double x2 = x1 + l * right.cosine, y2 = y1 - l * right.sine;
    const double x3 = x2 + l * left.cosine, y3 = y2 - l * left.sine;
    const double x4 = x3 + l * dir.cosine, y4 = y3 - l * dir.sine;
    points[0] = {s.x, s.y};
    points[1] = {x1, y1};
    points[2] = {x2, y2};
    points[3] = {x3, y3};
    points += 4;
    const PixelPoint p0{Truncate(s.x), Truncate(s.y)}, p1{Truncate(x1), Truncate(y1)};
    const PixelPoint p2{Truncate(x2), Truncate(y2)}, p3{Truncate(x3), Truncate(y3)};
    pen.Draw(p0, p1);
    pen.Draw(p1, p2);
    pen.Draw(p2, p3);
    pen.Draw(p3, {Truncate(x4), Truncate(y4)});
  }
}

int Steps(int depth) {
  const int steps = depth < 0 ? 0 : depth;
  assert(steps <= 15 && "a deeper curve would never finish");
  return steps;
}

}  // namespace

int KochPieceReach(double length, int depth) {
  // A piece's ends truncate at most its length plus one pixel apart; pieces longer than
  // any table get a reach beyond it, and a pen that tables nothing.
  const double piece = std::fabs(length) / std::pow(3.0, Steps(depth));
  return piece < ShortLinePen::kMaxReach ? static_cast<int>(piece) + 1
                                         : ShortLinePen::kMaxReach + 1;
}

void DrawKochCurve(ShortLinePen& pen, OutlineList& outline, double x, double y, double angle,
                   double length, int depth) {
  const int steps = Steps(depth);
  // Every point of the curve lies within `length` of its start.
  const double reach = std::fabs(length) + 1;
  if (std::fabs(x) + reach < kNearLimit && std::fabs(y) + reach < kNearLimit) {
    DrawCurve<TruncateNear>(pen, outline, x, y, angle, length, steps);
  } else {
    DrawCurve<TruncateFar>(pen, outline, x, y, angle, length, steps);
  }
}

void DrawKochCurve(RasterImage& image, OutlineList& outline, double x, double y, double angle,
                   double length, int depth) {
  ShortLinePen pen(image, KochPieceReach(length, depth), kBlack);
  DrawKochCurve(pen, outline, x, y, angle, length, depth);
}
