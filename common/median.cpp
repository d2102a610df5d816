// Median by split at the mean and selection (expected linear time).
// The classic method sums x/n in double, splits in input order into L (x <= m)
// and U (the rest, NaN included), and selection-sorts only the part holding the
// v-th and t-th smallest values, v = (n+1)/2, t = (n+2)/2; here the same two
// order statistics are taken with nth_element on the NaN-free values.
#include "common/median.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace common {

namespace {

// The r-th smallest (1-based, 1 <= r <= size) of NaN-free values; reorders them.
float select_rth(std::vector<float>& v, int32_t r) {
  std::nth_element(v.begin(), v.begin() + (r - 1), v.end());
  return v[r - 1];
}

// After nth_element put the r-th smallest at r-1, the (r+1)-th smallest is the
// least value behind it.
float next_after_rth(const std::vector<float>& v, int32_t r) {
  float best = v[r];
  for (size_t i = static_cast<size_t>(r) + 1; i < v.size(); ++i) {
    if (v[i] < best) best = v[i];
  }
  return best;
}

float half_sum(float a, float b) {
  return static_cast<float>((static_cast<double>(a) + static_cast<double>(b)) / 2.0);
}

}  // namespace

float median(const float* x, int32_t n) {
  // With nothing to split, the parts are empty; their first entries hold
  // nothing from this run, taken as zeros.
  if (n <= 0) return 0.0f;

  double m = 0.0;
  const double dn = static_cast<double>(n);
  for (int32_t l = 0; l < n; ++l) m += static_cast<double>(x[l]) / dn;

  std::vector<float> lower;
  std::vector<float> upper;  // input order kept: NaN positions matter below
  for (int32_t l = 0; l < n; ++l) {
    if (static_cast<double>(x[l]) <= m) {
      lower.push_back(x[l]);
    } else {
      upper.push_back(x[l]);
    }
  }
  const int32_t k = static_cast<int32_t>(lower.size());
  const int32_t j = static_cast<int32_t>(upper.size());
  const int32_t v = (n + 1) / 2;
  const int32_t t = (n + 2) / 2;

  if (k > j) {
    // Both middle values lie in L, which holds no NaN: they are its v-th and
    // t-th smallest values.
    const float a = select_rth(lower, v);
    const float b = (t == v) ? a : next_after_rth(lower, v);
    return half_sum(b, a);
  }

  if (k < j) {
    // Both lie in U. Selection-sorting U(1..t-k) ascending never moves a NaN
    // (nothing is strictly smaller than a NaN, and a NaN is never smaller), so
    // slot p keeps its NaN or holds the r-th smallest number of U, r being the
    // count of NaN-free slots in U(1..p).
    std::vector<float> numbers;
    numbers.reserve(upper.size());
    for (float y : upper) {
      if (!std::isnan(y)) numbers.push_back(y);
    }
    const int32_t pv = v - k;  // slots, 1-based
    const int32_t pt = t - k;
    int32_t rv = 0;
    int32_t rt = 0;
    for (int32_t p = 1; p <= pt; ++p) {
      if (!std::isnan(upper[p - 1])) {
        if (p <= pv) ++rv;
        ++rt;
      }
    }
    const bool nan_v = std::isnan(upper[pv - 1]);
    const bool nan_t = std::isnan(upper[pt - 1]);
    float a = upper[pv - 1];  // the NaN itself when the slot holds one
    float b = upper[pt - 1];
    if (!nan_v) a = select_rth(numbers, rv);
    if (!nan_t) {
      if (nan_v || rt == rv) {
        b = nan_v ? select_rth(numbers, rt) : a;
      } else {
        b = next_after_rth(numbers, rv);  // rt == rv + 1
      }
    }
    return half_sum(a, b);
  }

  // k == j: n is even and the middle falls between the parts: the largest of
  // L and the smallest of U, each scan starting from the first element and
  // replacing only on a strict comparison (a NaN U(1) stays the minimum).
  float lo = lower[0];
  for (int32_t l = 1; l < k; ++l) {
    if (lower[l] > lo) lo = lower[l];
  }
  float hi = upper[0];
  for (int32_t l = 1; l < j; ++l) {
    if (upper[l] < hi) hi = upper[l];
  }
  return half_sum(lo, hi);
}

float median_of_scratch(float* x, int32_t n) {
  if (n <= 0) return 0.0f;
  double m = 0.0;
  const double dn = static_cast<double>(n);
  bool any_nan = false;
  bool plus_zero = false;
  bool minus_zero = false;
  for (int32_t l = 0; l < n; ++l) {
    m += static_cast<double>(x[l]) / dn;
    if (std::isnan(x[l])) any_nan = true;
    if (x[l] == 0.0f) (std::signbit(x[l]) ? minus_zero : plus_zero) = true;
  }
  if (any_nan || (plus_zero && minus_zero)) return median(x, n);

  float* const split =
      std::partition(x, x + n, [m](float y) { return static_cast<double>(y) <= m; });
  const int32_t k = static_cast<int32_t>(split - x);
  const int32_t j = n - k;
  const int32_t v = (n + 1) / 2;
  const int32_t t = (n + 2) / 2;
  // The r-th smallest of part[0..size-1] (1-based), and the least value
  // behind it once it is in place.
  auto rth = [](float* part, int32_t size, int32_t r) {
    std::nth_element(part, part + (r - 1), part + size);
    return part[r - 1];
  };
  auto next = [](const float* part, int32_t size, int32_t r) {
    return *std::min_element(part + r, part + size);
  };
  if (k > j) {
    const float a = rth(x, k, v);
    const float b = (t == v) ? a : next(x, k, v);
    return half_sum(b, a);
  }
  if (k < j) {
    const float a = rth(split, j, v - k);
    const float b = (t == v) ? a : next(split, j, v - k);
    return half_sum(a, b);
  }
  return half_sum(*std::max_element(x, split), *std::min_element(split, x + n));
}

}  // namespace common
