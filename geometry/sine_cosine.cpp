// Sine and cosine in plain double arithmetic, the same bits on every build.
//
// The argument is reduced by a multiple of pi/2 held in three pieces (Cody and Waite),
// then one of two polynomials on [-pi/4, pi/4] finishes it; the kernels and their
// coefficients are the classic minimax ones of FreeBSD's msun (after Sun's fdlibm),
// whose error stays below one unit in the last place. Built with -ffp-contract=off, so
// no compiler fuses a product into a sum and changes a bit.
#include "geometry/sine_cosine.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>

namespace {

// x + y is the reduced argument, |x + y| <= pi/4 (y is the tail of the reduction, and
// `hasTail` says whether there is one).
double SineKernel(double x, double y, bool hasTail = true) {
  constexpr double S1 = -1.66666666666666324348e-01, S2 = 8.33333333332248946124e-03,
                   S3 = -1.98412698298579493134e-04, S4 = 2.75573137070700676789e-06,
                   S5 = -2.50507602534068634195e-08, S6 = 1.58969099521155010221e-10;
  const double z = x * x, w = z * z;
  const double r = S2 + z * (S3 + z * S4) + z * w * (S5 + z * S6);
  const double v = z * x;
  if (!hasTail) return x + v * (S1 + z * r);
  return x - ((z * (0.5 * y - v * r) - y) - v * S1);
}

double CosineKernel(double x, double y) {
  constexpr double C1 = 4.16666666666666019037e-02, C2 = -1.38888888888741095749e-03,
                   C3 = 2.48015872894767294178e-05, C4 = -2.75573143513906633035e-07,
                   C5 = 2.08757232129817482790e-09, C6 = -1.13596475577881948265e-11;
  const double z = x * x, w = z * z;
  const double r = z * (C1 + z * (C2 + z * C3)) + w * w * (C4 + z * (C5 + z * C6));
  const double hz = 0.5 * z;
  const double one_minus_hz = 1.0 - hz;
  return one_minus_hz + (((1.0 - one_minus_hz) - hz) + (z * r - x * y));
}

int Exponent(double x) {
  std::uint64_t bits;
  std::memcpy(&bits, &x, sizeof bits);
  return static_cast<int>((bits >> 52) & 0x7FF);
}

// Reduces x to y0 + y1 in [-pi/4, pi/4] and answers the quadrant, x = y + q·pi/2.
int ReduceByHalfPi(double x, double& y0, double& y1) {
  constexpr double kTwoOverPi = 6.36619772367581382433e-01;
  constexpr double kPio2_1 = 1.57079632673412561417e+00;   // first 33 bits of pi/2
  constexpr double kPio2_1t = 6.07710050650619224932e-11;  // pi/2 - kPio2_1
  constexpr double kPio2_2 = 6.07710050630396597660e-11;   // next 33 bits
  constexpr double kPio2_2t = 2.02226624879595063154e-21;
  constexpr double kPio2_3 = 2.02226624871116645580e-21;  // next 33 bits
  constexpr double kPio2_3t = 8.47842766036889956997e-32;
  constexpr double kRoundingShift = 6755399441055744.0;  // 1.5·2^52

  // Adding and taking away 1.5·2^52 rounds to the nearest integer in the current mode.
  const double fn = (x * kTwoOverPi + kRoundingShift) - kRoundingShift;
  const int n = static_cast<int>(fn);
  double r = x - fn * kPio2_1;
  double w = fn * kPio2_1t;
  y0 = r - w;
  // When the first step cancelled many bits, the next pieces of pi/2 are needed.
  const int e = Exponent(x);
  if (e - Exponent(y0) > 16) {
    const double t = r;
    w = fn * kPio2_2;
    r = t - w;
    w = fn * kPio2_2t - ((t - r) - w);
    y0 = r - w;
    if (e - Exponent(y0) > 49) {
      const double t2 = r;
      w = fn * kPio2_3;
      r = t2 - w;
      w = fn * kPio2_3t - ((t2 - r) - w);
      y0 = r - w;
    }
  }
  y1 = (r - y0) - w;
  return n;
}

constexpr double kLargest = 1e6;  // the three-piece reduction holds up to 2^20·pi/2

}  // namespace

double Sine(double x) {
  if (!(std::fabs(x) <= kLargest)) return std::numeric_limits<double>::quiet_NaN();
  if (std::fabs(x) <= 0.7853981633974483) {
    if (std::fabs(x) < 0x1p-26) return x;  // sin x = x to the last bit
    return SineKernel(x, 0.0, false);
  }
  double y0, y1;
  switch (ReduceByHalfPi(x, y0, y1) & 3) {
    case 0:
      return SineKernel(y0, y1);
    case 1:
      return CosineKernel(y0, y1);
    case 2:
      return -SineKernel(y0, y1);
    default:
      return -CosineKernel(y0, y1);
  }
}

double Cosine(double x) {
  if (!(std::fabs(x) <= kLargest)) return std::numeric_limits<double>::quiet_NaN();
  if (std::fabs(x) <= 0.7853981633974483) {
    if (std::fabs(x) < 0x1p-27) return 1.0;
    return CosineKernel(x, 0.0);
  }
  double y0, y1;
  switch (ReduceByHalfPi(x, y0, y1) & 3) {
    case 0:
      return CosineKernel(y0, y1);
    case 1:
      return -SineKernel(y0, y1);
    case 2:
      return -CosineKernel(y0, y1);
    default:
      return SineKernel(y0, y1);
  }
}
