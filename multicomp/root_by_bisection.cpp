// Bracketing from x = 1 in unit steps (200 points at most, the last one kept
// when none is non-negative), then halving of the bracket; the width test is
// "continue while |high - low| > tolerance". A tolerance of zero would never
// end once the ends are neighbouring doubles, so the halving is bounded by
// the number of halvings that can separate two doubles of a unit bracket.
#include <cmath>

#include "multicomp/state.h"

namespace multicomp {
namespace {
constexpr int kBracketPoints = 200;
constexpr int kHalvingCap = 1100;  // beyond the 1074 halvings from 1 to the least double
}  // namespace

double root_by_bisection(const IncreasingFunction& f, double tolerance) {
  double x = 1.0;
  for (int i = 1; i <= kBracketPoints; ++i) {
    if (f(x) >= 0.0) break;
    if (i < kBracketPoints) x = x + 1.0;
  }
  double low = x - 1.0;
  double high = x;
  double middle = x;
  for (int i = 0; i < kHalvingCap; ++i) {
    middle = (low + high) * 0.5;
    if (f(middle) >= 0.0) {
      high = middle;
    } else {
      low = middle;
    }
    if (!(std::fabs(high - low) > tolerance)) break;
  }
  return middle;
}

}  // namespace multicomp
