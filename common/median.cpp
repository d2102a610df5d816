// Median by split at the mean and selection (expected linear time).
// The results are those of the split-at-the-mean selection method: it sums
// x/n in double for the mean m, splits in input order into lower (x <= m) and
// upper (the rest, NaN included), and selection-sorts ascending only the part
// holding the low_rank-th and high_rank-th smallest values, low_rank =
// (n+1)/2 and high_rank = (n+2)/2 (equal for odd n). Here the same two order
// statistics are taken with nth_element on the NaN-free values, and a NaN is
// placed where that selection sort would leave it.
#include "common/median.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "common/sort.h"

namespace common {

namespace {

// The r-th smallest (1-based, 1 <= r <= size) of the NaN-free values
// part[0..size-1]; reorders them so that it stands at r-1.
float select_rth(float* part, int32_t size, int32_t r) {
  std::nth_element(part, part + (r - 1), part + size);
  return part[r - 1];
}

// After select_rth put the r-th smallest at r-1 (r < size), the (r+1)-th
// smallest is the least value behind it.
float next_after_rth(const float* part, int32_t size, int32_t r) {
  return *std::min_element(part + r, part + size);
}

float half_sum(float a, float b) {
  return static_cast<float>((static_cast<double>(a) + static_cast<double>(b)) / 2.0);
}

// The median of n values when both middle values lie in one NaN-free part:
// the half sum of its low_rank-th smallest value and the one after it (the
// same value again for odd n, where the two middle ranks are equal).
// Reorders the part. Its values hold no NaN, so the order of the two in the
// sum does not matter.
float middle_of_part(float* part, int32_t size, int32_t low_rank, int32_t n) {
  const float low_value = select_rth(part, size, low_rank);
  const float high_value = (n % 2 == 1) ? low_value : next_after_rth(part, size, low_rank);
  return half_sum(low_value, high_value);
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
  const int32_t lower_count = static_cast<int32_t>(lower.size());
  const int32_t upper_count = static_cast<int32_t>(upper.size());
  // The ranks of the two middle values (1-based; equal for odd n).
  const int32_t low_rank = (n + 1) / 2;
  const int32_t high_rank = (n + 2) / 2;

  if (lower_count > upper_count) {
    // Both middle values lie in lower, which holds no NaN: they are its
    // low_rank-th and high_rank-th smallest values.
    return middle_of_part(lower.data(), lower_count, low_rank, n);
  }

  if (lower_count < upper_count) {
    // Both lie in upper. Selection-sorting its slots 1..high_slot ascending
    // never moves a NaN (nothing is strictly smaller than a NaN, and a NaN is
    // never smaller), so slot p keeps its NaN or holds the r-th smallest number
    // of upper, r being the count of NaN-free slots among slots 1..p.
    std::vector<float> numbers;
    numbers.reserve(upper.size());
    for (float y : upper) {
      if (!std::isnan(y)) numbers.push_back(y);
    }
    // The slots of upper (1-based) that end up holding the two middle values.
    const int32_t low_slot = low_rank - lower_count;
    const int32_t high_slot = high_rank - lower_count;
    // The rank among the numbers of upper that each slot receives.
    int32_t low_number_rank = 0;
    int32_t high_number_rank = 0;
    for (int32_t p = 1; p <= high_slot; ++p) {
      if (!std::isnan(upper[p - 1])) {
        if (p <= low_slot) ++low_number_rank;
        ++high_number_rank;
      }
    }
    const bool low_slot_is_nan = std::isnan(upper[low_slot - 1]);
    const bool high_slot_is_nan = std::isnan(upper[high_slot - 1]);
    float low_value = upper[low_slot - 1];  // the NaN itself when the slot holds one
    float high_value = upper[high_slot - 1];
    const int32_t number_count = static_cast<int32_t>(numbers.size());
    if (!low_slot_is_nan) low_value = select_rth(numbers.data(), number_count, low_number_rank);
    if (!high_slot_is_nan) {
      if (low_slot_is_nan || high_number_rank == low_number_rank) {
        high_value = low_slot_is_nan ? select_rth(numbers.data(), number_count, high_number_rank)
                                     : low_value;
      } else {
        // The next rank up.
        high_value = next_after_rth(numbers.data(), number_count, low_number_rank);
      }
    }
    return half_sum(low_value, high_value);
  }

  // Parts of equal size: n is even and the middle falls between the parts:
  // the largest of lower and the smallest of upper, each scan starting from
  // the first element and replacing only on a strict comparison (a NaN first
  // element of upper stays the minimum).
  float lo = lower[0];
  for (int32_t l = 1; l < lower_count; ++l) {
    if (lower[l] > lo) lo = lower[l];
  }
  float hi = upper[0];
  for (int32_t l = 1; l < upper_count; ++l) {
    if (upper[l] < hi) hi = upper[l];
  }
  return half_sum(lo, hi);
}

float median_of_scratch(float* x, int32_t n) {
  if (n <= 0) return 0.0f;
  // With a NaN, or zeros of both signs, the order among equal values can
  // show, and the split must keep the input order: median itself is taken.
  if (!order_is_invisible_among_equals(x, n)) return median(x, n);
  double m = 0.0;
  const double dn = static_cast<double>(n);
  for (int32_t l = 0; l < n; ++l) m += static_cast<double>(x[l]) / dn;

  float* const split =
      std::partition(x, x + n, [m](float y) { return static_cast<double>(y) <= m; });
  const int32_t lower_count = static_cast<int32_t>(split - x);
  const int32_t upper_count = n - lower_count;
  const int32_t low_rank = (n + 1) / 2;
  if (lower_count > upper_count) return middle_of_part(x, lower_count, low_rank, n);
  if (lower_count < upper_count) {
    return middle_of_part(split, upper_count, low_rank - lower_count, n);
  }
  return half_sum(*std::max_element(x, split), *std::min_element(split, x + n));
}

}  // namespace common
