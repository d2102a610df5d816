// Bracketing from x = 1 in unit steps (200 points at most, the last one kept
// when none is non-negative), then halving of the bracket; the width test is
// "continue while |HI - LO| > TOL". A tolerance of zero would never end once
// the ends are neighbouring doubles, so the halving is bounded by the number
// of halvings that can separate two doubles of a unit bracket.
#include "multicomp/bisection.h"

#include <cmath>

namespace multicomp {
namespace {
constexpr int kBracketPoints = 200;
constexpr int kHalvingCap = 1100;  // beyond the 1074 halvings from 1 to the least double
}  // namespace

void bisection_(double& xout, const Equation& f, const double& tol) {
  double x = 1.0;
  for (int i = 1; i <= kBracketPoints; ++i) {
    if (f(x) >= 0.0) break;
    if (i < kBracketPoints) x = x + 1.0;
  }
  double lo = x - 1.0;
  double hi = x;
  double mid = x;
  for (int i = 0; i < kHalvingCap; ++i) {
    mid = (lo + hi) * 0.5;
    if (f(mid) >= 0.0) {
      hi = mid;
    } else {
      lo = mid;
    }
    if (!(std::fabs(hi - lo) > tol)) break;
  }
  xout = mid;
}

}  // namespace multicomp
