// Sine and cosine of our own, so that every build computes the same curve: C runtimes
// disagree in the last bits near multiples of pi, which moves pixels and digits.
#pragma once

// Within one unit in the last place of the true value, for |x| up to 1e6; outside that
// range, and for infinities and NaN, the answer is NaN.
double Sine(double x);
double Cosine(double x);
