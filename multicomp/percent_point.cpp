// The percent point of the range law for `groups` groups of equal weight: the
// root of F(x) - (1 - alpha), F the law's distribution function, found by
// bisection, every F(x) a quadrature, and the root rounded to three decimals.
#include <cmath>
#include <cstdint>

#include "multicomp/state.h"

namespace multicomp {

double range_percent_point(numlib::Library& lib, int32_t groups, float alpha) {
  const RangeLaw law = equal_weights_range_law(groups);
  const double x = root_by_bisection(
      [&lib, &law, alpha](double trial) {
        return range_distribution(lib, law, trial) - (1.0 - static_cast<double>(alpha));
      },
      law.tolerance);
  // Three decimals, an exact half away from zero; x lies in [0, 200].
  const int32_t thousandths = static_cast<int32_t>(std::round(x * 1000.0));
  return static_cast<double>(thousandths) / 1000.0;
}

}  // namespace multicomp
