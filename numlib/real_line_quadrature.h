// Integral of a function over the whole real line by the double-exponential
// rule.
#ifndef NUMLIB_REAL_LINE_QUADRATURE_H
#define NUMLIB_REAL_LINE_QUADRATURE_H

#include <cstdint>
#include <functional>

#include "numlib/library.h"

namespace numlib {

// The integrand: the value of f at a point x.
using Integrand = std::function<double(double)>;

// Condition codes of integrate_real_line; a condition is kConverged or a sum
// of the others (13000: both tails flagged, then the tolerances met). The
// condition messages print these values.
//
// The tolerances were met.
constexpr int32_t kConverged = 0;
// The left (right) tail was never small at level 0.
constexpr int32_t kLeftTailNotSmall = 1000;
constexpr int32_t kRightTailNotSmall = 2000;
// The tolerances were met with a tail flagged (or with both tolerances zero),
// the error estimate stopped improving, or it reached the rounding level.
constexpr int32_t kAccuracyNotAssured = 10000;
// 2 evaluations - 1 would pass max_evaluations, or the fifth halving ended.
constexpr int32_t kLimitReached = 20000;
// Added to kLimitReached when the fifth halving ended with 2 evaluations - 1
// still within the 705 nodes.
constexpr int32_t kLastHalvingWithinNodes = 5000;
// A negative tolerance, or min_evaluations below 0 or above max_evaluations.
constexpr int32_t kBadArguments = 30000;

// What integrate_real_line returns.
struct QuadratureResult {
  double integral = 0.0;
  double error_estimate = 0.0;
  int32_t evaluations = 0;  // evaluations of the integrand
  int32_t condition = kConverged;
};

// Integrates f over (-inf, inf) with the substitution x = sinh(1.5 sinh t)
// and the trapezoidal rule in t, the step halved up to five times, aiming at
// |error| <= max(relative_tolerance |integral|, absolute_tolerance). The
// tests of the estimate begin once min_evaluations are done. Bad arguments
// give kBadArguments with the other fields 0 and f never called. The
// condition goes to write_condition_message at the end of every call. Builds
// the library's tables on the first call of a run.
QuadratureResult integrate_real_line(Library& lib, const Integrand& f, double absolute_tolerance,
                                     double relative_tolerance, int32_t min_evaluations,
                                     int32_t max_evaluations);

}  // namespace numlib

#endif  // NUMLIB_REAL_LINE_QUADRATURE_H
