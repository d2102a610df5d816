// The standard normal density and distribution function in double precision.
// stdnorm_: exp(-0.5 x x) / sqrt(2 pi). phi_: Phi(x) by continued fractions of
// 28 levels evaluated from the deepest up, the series form for |x| <= 3 and
// Laplace's tail form beyond (or for NaN); Phi(x) = 1 - g for x >= 0, else g.
// NaN gives NaN.
#ifndef MULTICOMP_NORMAL_H
#define MULTICOMP_NORMAL_H

namespace multicomp {

double stdnorm_(const double& x);
double phi_(const double& x);

}  // namespace multicomp

#endif  // MULTICOMP_NORMAL_H
