// Ascending selection sort: one strict-minimum scan and at most one exchange
// per pass. Values are moved unchanged. NaN never compares smaller, and a NaN
// taken as the running minimum is never replaced, so NaNs stay where they are.
// Used for the pooled residuals, the pairwise differences and the box figures.
// Quadratic: (N-1)N/2 comparisons, about 5e7 for 10000 values.
#include "common/order.h"

namespace common {

void order_(float* z, int32_t n) {
  for (int32_t i = 0; i + 1 < n; ++i) {
    float m = z[i];
    int32_t k = -1;  // position of a smaller value, none yet
    for (int32_t j = i + 1; j < n; ++j) {
      if (m > z[j]) {
        m = z[j];
        k = j;
      }
    }
    if (k >= 0) {
      z[k] = z[i];
      z[i] = m;
    }
  }
}

}  // namespace common
