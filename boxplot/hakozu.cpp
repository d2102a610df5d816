// Box statistics of one group: the observations sorted ascending in place by
// the selection sort, the quartiles at (n+1)/4, (n+1)/2 and 3(n+1)/4 by linear
// interpolation, the minimum and maximum as the first and last sorted values.
// The group holds at least one observation.
#include "hakozu.h"

#include "common/sort.h"

namespace boxplot {

void hakozu_(float* x, const int32_t& n, float& xmin, float& xmax, float& q1, float& q2,
             float& q3) {
  common::sort_ascending(x, n);
  q1 = quantile_(x, n, 0.25f);
  q2 = quantile_(x, n, 0.5f);
  q3 = quantile_(x, n, 0.75f);
  xmin = x[0];
  xmax = x[n - 1];
}

}  // namespace boxplot
