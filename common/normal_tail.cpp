// The normal upper tail Q(x) by continued fractions cut at level 28.
// |x| <= 3: the fraction for the integral of the density from 0 to |x|;
// beyond (or NaN): Laplace's tail fraction Q(a) = phi(a)/(a+1/(a+2/(a+...))).
// Levels, sums and quotients in double; exp(-x^2/2) and sqrt(2*pi) rounded to
// single where formed. +-Inf and NaN give the NaN of an invalid operation.
#include "common/normal_tail.h"

#include <cmath>
#include <cstdint>

#include "common/constants.h"
#include "common/invalid_nan.h"

namespace common {

namespace {

constexpr double kDeepestLevel = 28.0;  // depth of both fractions
constexpr double kThreshold = 3.0;      // |x| above this takes the tail form

}  // namespace

float normal_upper_tail(float x_in) {
  const double x = static_cast<double>(x_in);
  const double a = std::fabs(x);

  // exp(-x^2/2) in single; for an infinite or NaN x the factor is the NaN of
  // an invalid operation (the exponential of -Inf is not taken as 0 here).
  float e;
  if (std::isfinite(x)) {
    e = static_cast<float>(std::exp(-(x * x) / 2.0));
  } else {
    e = static_cast<float>(invalid_nan());
  }
  const float r = static_cast<float>(std::sqrt(static_cast<double>(kTwoPi)));

  double g;
  if (a > kThreshold || std::isnan(x)) {
    double b = 0.0;
    for (double k = kDeepestLevel; k >= 1.0; k -= 1.0) {
      b = k / (a + b);
    }
    g = static_cast<double>(e) / ((a + b) * static_cast<double>(r));
  } else {
    double b = 0.0;
    int level = 28;
    for (double k = kDeepestLevel; k >= 1.0; k -= 1.0, --level) {
      const double s = (level % 2 == 0) ? -1.0 : 1.0;
      b = ((x * k) * x) / (((k + k) + 1.0) + s * b);
    }
    g = 0.5 - (a * static_cast<double>(e)) / ((1.0 - b) * static_cast<double>(r));
  }

  if (x >= 0.0) return static_cast<float>(g);
  return static_cast<float>(1.0 - g);
}

}  // namespace common
