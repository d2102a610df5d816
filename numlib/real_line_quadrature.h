// Integral of a function over the whole real line by the double-exponential
// rule.
#ifndef NUMLIB_REAL_LINE_QUADRATURE_H
#define NUMLIB_REAL_LINE_QUADRATURE_H

#include <cstdint>
#include <functional>

#include "numlib/library.h"

namespace numlib {

// The integrand: receives the library's abscissa.
using Integrand = std::function<double(const double&)>;

// Integrates f over (-inf, inf) with the substitution x = sinh(1.5 sinh t)
// and the trapezoidal rule in t, the step halved up to five times, aiming at
// |error| <= max(relative_tolerance |integral|, absolute_tolerance). Writes
// the integral, an error estimate, the number of evaluations of f and a
// condition code: 0 when the tolerances were met; 1000 and 2000 added when
// the left and right tails were never small at level 0; 10000 added when the
// tolerances were met with a tail flagged (or both tolerances zero), when the
// estimate stopped improving, or when it reached the rounding level; 20000
// added when 2 evaluations - 1 would pass max_evaluations or the fifth
// halving ended, and then 5000 more when 2 evaluations - 1 was still within
// the 705 nodes. The code goes to write_condition_message at the end of every
// call. Bad arguments (a negative tolerance, min_evaluations below 0 or above
// max_evaluations) give 30000 with integral, error_estimate and evaluations
// left as they were. Builds the library's tables on the first call of a run.
void integrate_real_line(Library& lib, const Integrand& f, const double& absolute_tolerance,
                         const double& relative_tolerance, const int32_t& min_evaluations,
                         const int32_t& max_evaluations, double& integral, double& error_estimate,
                         int32_t& evaluations, int32_t& condition);

}  // namespace numlib

#endif  // NUMLIB_REAL_LINE_QUADRATURE_H
