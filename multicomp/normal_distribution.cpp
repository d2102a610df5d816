// The standard normal density phi and distribution function Phi in double
// precision. Phi comes from the upper tail Q(a) at a = |x|, found by one of the
// two continued fractions of common/normal_tail.h, cut at level 28 and
// evaluated from the deepest level up: for |x| <= 3 the central one,
// Q(a) = 0.5 - a phi(x) / central_normal_fraction(x); beyond (and for NaN)
// Laplace's tail one, Q(a) = phi(a) / laplace_tail_fraction(a). Phi(x) is
// 1 - Q(a) for x >= 0, else Q(a). 2 pi is the double constant kTwoPiDouble and
// its root is taken at each call.
#include <cmath>

#include "common/constants.h"
#include "common/normal_tail.h"
#include "multicomp/state.h"

namespace multicomp {

double standard_normal_density(double x) {
  const double half_square = 0.5 * x * x;
  return std::exp(-half_square) / std::sqrt(common::kTwoPiDouble);
}

double standard_normal_distribution(double x) {
  const double magnitude = std::fabs(x);
  double tail_of_magnitude;  // Q(|x|)
  if (magnitude > common::kCentralFractionLimit || std::isnan(x)) {
    tail_of_magnitude = standard_normal_density(x) / common::laplace_tail_fraction(magnitude);
  } else {
    tail_of_magnitude =
        0.5 - (standard_normal_density(x) * magnitude) / common::central_normal_fraction(x);
  }
  return x >= 0.0 ? 1.0 - tail_of_magnitude : tail_of_magnitude;
}

}  // namespace multicomp
