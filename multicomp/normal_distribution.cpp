// The standard normal density and distribution function in double precision.
// Phi is found by one of two continued fractions cut after the 28th partial
// quotient and evaluated from the deepest level up: for |x| <= 3 the central
// one, a phi(x) / (1 - x^2/(3 + 2x^2/(5 - ...))), giving 0.5 - Q(a); beyond
// (and for NaN) the tail one, phi(a) / (a + 1/(a + 2/(a + ...))), giving
// Q(a). Phi(x) is 1 - g for x >= 0, else g. 2 pi is 6.283185307179586 and its
// root is taken at each call.
#include <cmath>

#include "multicomp/state.h"

namespace multicomp {

double standard_normal_density(double x) {
  const double half_square = 0.5 * x * x;
  return std::exp(-half_square) / std::sqrt(6.283185307179586);
}

double standard_normal_distribution(double x) {
  const double a = std::fabs(x);
  double g;
  if (a > 3.0 || std::isnan(x)) {
    double b = 0.0;
    for (double k = 28.0; k > 0.0; k = k - 1.0) b = k / (a + b);
    g = standard_normal_density(x) / (a + b);
  } else {
    double b = 0.0;
    bool even = true;  // 28 is even; the sign of the previous level alternates
    for (double k = 28.0; k > 0.0; k = k - 1.0) {
      const double s = even ? -1.0 : 1.0;
      b = ((x * k) * x) / (((k + k) + 1.0) + s * b);
      even = !even;
    }
    g = 0.5 - (standard_normal_density(x) * a) / (1.0 - b);
  }
  return x >= 0.0 ? 1.0 - g : g;
}

}  // namespace multicomp
