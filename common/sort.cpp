// Ascending selection sort: one strict-minimum scan and at most one exchange
// per pass. Values are moved unchanged. NaN never compares smaller, and a NaN
// taken as the running minimum is never replaced, so NaNs stay where they are.
// Used for the pooled residuals, the pairwise differences and the box figures.
//
// The scan is quadratic ((n-1)n/2 comparisons, about 5e7 for 10000 values), so
// most vectors take a shortcut with the same result, bit for bit. Without a
// NaN the selection sort leaves an ascending arrangement of the input values,
// and any two ascending arrangements of the same values agree place by place
// under ==. Two binary32 values that are not NaN compare equal only when their
// bits are the same or when they are +0 and -0. So unless both zeros occur,
// equal values are identical in storage, the order among them cannot be seen,
// and std::sort gives the very array the selection sort gives. With a NaN or
// with zeros of both signs, the exchange pattern can show, and the selection
// sort itself is run.
#include "common/sort.h"

#include <algorithm>
#include <cmath>

namespace common {

namespace {

void selection_sort(float* z, int32_t n) {
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

}  // namespace

bool order_is_invisible_among_equals(const float* z, int32_t n) {
  bool plus_zero = false;
  bool minus_zero = false;
  for (int32_t i = 0; i < n; ++i) {
    if (std::isnan(z[i])) return false;
    if (z[i] == 0.0f) {
      if (std::signbit(z[i])) {
        minus_zero = true;
      } else {
        plus_zero = true;
      }
    }
  }
  return !(plus_zero && minus_zero);
}

void sort_ascending(float* z, int32_t n) {
  if (n <= 1) return;
  if (order_is_invisible_among_equals(z, n)) {
    std::sort(z, z + n);
  } else {
    selection_sort(z, n);
  }
}

}  // namespace common
