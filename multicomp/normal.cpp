// Normal density, and distribution function by continued fractions cut after
// the 28th partial quotient (central: a phi(x) / (1 - x^2/(3 + 2x^2/(5 - ...))),
// giving 0.5 - Q(a); tail: Laplace's phi(a) / (a + 1/(a + 2/(a + ...)))).
// Everything in double precision; 2 pi is 6.283185307179586 and its root is
// taken at each call. An overflowing 0.5 x x gives a density of 0.
#include "multicomp/normal.h"

#include <cmath>

namespace multicomp {

double stdnorm_(const double& x) {
  const double half_square = 0.5 * x * x;
  return std::exp(-half_square) / std::sqrt(6.283185307179586);
}

double phi_(const double& x) {
  const double a = std::fabs(x);
  double g;
  if (a > 3.0 || std::isnan(x)) {
    double b = 0.0;
    for (double k = 28.0; k > 0.0; k = k - 1.0) b = k / (a + b);
    g = stdnorm_(x) / (a + b);
  } else {
    double b = 0.0;
    bool even = true;  // 28 is even; the sign of the previous level alternates
    for (double k = 28.0; k > 0.0; k = k - 1.0) {
      const double s = even ? -1.0 : 1.0;
      b = ((x * k) * x) / (((k + k) + 1.0) + s * b);
      even = !even;
    }
    g = 0.5 - (stdnorm_(x) * a) / (1.0 - b);
  }
  return x >= 0.0 ? 1.0 - g : g;
}

}  // namespace multicomp
