// Our sine and cosine against 60-digit references, at the angles the curve reaches and
// at the multiples of pi where C runtimes disagree.
#include "geometry/sine_cosine.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

struct Reference {
  double x, sinHi, sinLo, cosHi, cosLo;
};

constexpr Reference kReferences[] = {
#include "geometry/sine_reference.inc"
};

// How far `value` lies from hi + lo, in units in the last place of hi.
double UlpsOff(double value, double hi, double lo) {
  const double ulp = std::nextafter(std::fabs(hi), INFINITY) - std::fabs(hi);
  return std::fabs((value - hi) - lo) / ulp;
}

TEST(SineCosine, WithinOneUlpOfTheTrueValue) {
  double worst = 0;
  for (const Reference& r : kReferences) {
    EXPECT_LT(UlpsOff(Sine(r.x), r.sinHi, r.sinLo), 1.0) << "sin " << std::hexfloat << r.x;
    EXPECT_LT(UlpsOff(Cosine(r.x), r.cosHi, r.cosLo), 1.0) << "cos " << std::hexfloat << r.x;
    worst = std::fmax(worst, std::fmax(UlpsOff(Sine(r.x), r.sinHi, r.sinLo),
                                       UlpsOff(Cosine(r.x), r.cosHi, r.cosLo)));
  }
  RecordProperty("worst_ulps", std::to_string(worst));
}

TEST(SineCosine, ExactWhereTheAnswerIsExact) {
  EXPECT_EQ(Sine(0.0), 0.0);
  EXPECT_TRUE(std::signbit(Sine(-0.0)));
  EXPECT_EQ(Cosine(0.0), 1.0);
  EXPECT_EQ(Sine(1e-300), 1e-300);
}

TEST(SineCosine, OutOfRangeIsNaN) {
  for (double x :
       {std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity(),
        std::numeric_limits<double>::quiet_NaN(), 1e7, -1e300}) {
    EXPECT_TRUE(std::isnan(Sine(x))) << x;
    EXPECT_TRUE(std::isnan(Cosine(x))) << x;
  }
}

}  // namespace
