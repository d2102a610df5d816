// Root of an increasing function by bisection: the first whole number from 1
// up (at most 200) where F is not negative brackets the root with the number
// below it; the unit bracket is halved until its width is at most TOL, and
// the last midpoint evaluated is the result. NaN counts as negative.
// Returns nothing; the root goes to xout.
#ifndef MULTICOMP_BISECTION_H
#define MULTICOMP_BISECTION_H

#include <functional>

namespace multicomp {

using Equation = std::function<double(const double&)>;

void bisection_(double& xout, const Equation& f, const double& tol);

}  // namespace multicomp

#endif  // MULTICOMP_BISECTION_H
