// The normal upper tail Q(x) by continued fractions cut at level 28.
// |x| <= 3: the fraction for the integral of the density from 0 to |x|;
// beyond (or NaN): Laplace's tail fraction Q(a) = phi(a)/(a+1/(a+2/(a+...))).
// Levels, sums and quotients in double; exp(-x^2/2) and sqrt(2*pi) rounded to
// single where formed. +-Inf and NaN give the NaN of an invalid operation.
#include "common/normal_tail.h"

#include <cmath>

#include "common/constants.h"
#include "common/invalid_nan.h"

namespace common {

namespace {

constexpr int kDeepestLevel = 28;  // depth of both fractions

}  // namespace

double laplace_tail_fraction(double a) {
  double deeper = 0.0;  // the fraction below the current level
  for (int level = kDeepestLevel; level >= 1; --level) {
    deeper = static_cast<double>(level) / (a + deeper);
  }
  return a + deeper;
}

double central_normal_fraction(double x) {
  double deeper = 0.0;  // the fraction below the current level
  for (int level = kDeepestLevel; level >= 1; --level) {
    const double k = static_cast<double>(level);
    // The fraction below an even level is subtracted, below an odd one added.
    const double sign = (level % 2 == 0) ? -1.0 : 1.0;
    deeper = ((x * k) * x) / (((k + k) + 1.0) + sign * deeper);
  }
  return 1.0 - deeper;
}

float normal_upper_tail(float x_in) {
  const double x = static_cast<double>(x_in);
  const double magnitude = std::fabs(x);

  // exp(-x^2/2) in single; for an infinite or NaN x the factor is the NaN of
  // an invalid operation (the exponential of -Inf is not taken as 0 here).
  float exponential;
  if (std::isfinite(x)) {
    exponential = static_cast<float>(std::exp(-(x * x) / 2.0));
  } else {
    exponential = static_cast<float>(invalid_nan());
  }
  const float root_two_pi = static_cast<float>(std::sqrt(static_cast<double>(kTwoPi)));

  // Q(|x|): phi(|x|) over the tail fraction, or one half less the integral
  // from 0 to |x|.
  double tail_of_magnitude;
  if (magnitude > kCentralFractionLimit || std::isnan(x)) {
    tail_of_magnitude = static_cast<double>(exponential) /
                        (laplace_tail_fraction(magnitude) * static_cast<double>(root_two_pi));
  } else {
    tail_of_magnitude = 0.5 - (magnitude * static_cast<double>(exponential)) /
                                  (central_normal_fraction(x) * static_cast<double>(root_two_pi));
  }

  if (x >= 0.0) return static_cast<float>(tail_of_magnitude);
  return static_cast<float>(1.0 - tail_of_magnitude);
}

}  // namespace common
