// Mid-ranks by counting: for each value, the number of values not greater and
// the number smaller (the value itself included in the first count). The counts
// are exact; the average is formed in double and stored in single precision.
// Comparisons are written as p[b] <= p[a] and p[b] < p[a]: a NaN on either
// side counts nothing, so a NaN gets the rank 0.5 and is not counted by others.
#include "common/mid_ranks.h"

namespace common {

void mid_ranks_of_first(const float* p, float* r, int32_t m, int32_t n) {
  if (n <= 0) return;
  if (m > n) m = n;
  for (int32_t a = 0; a < m; ++a) {
    const float pa = p[a];
    int32_t le = 0;
    int32_t lt = 0;
    for (int32_t b = 0; b < n; ++b) {
      if (p[b] <= pa) ++le;
      if (p[b] < pa) ++lt;
    }
    r[a] = static_cast<float>((static_cast<double>(le) + static_cast<double>(lt) + 1.0) / 2.0);
  }
}

void mid_ranks(const float* p, float* r, int32_t n) { mid_ranks_of_first(p, r, n, n); }

double rank_sum(const float* r, int32_t n) {
  // One running sum for each place in a block of four; the last few values
  // go to the first sum.
  double first_of_four = 0.0;
  double second_of_four = 0.0;
  double third_of_four = 0.0;
  double fourth_of_four = 0.0;
  int32_t a = 0;
  for (; a + 4 <= n; a += 4) {
    first_of_four += static_cast<double>(r[a]);
    second_of_four += static_cast<double>(r[a + 1]);
    third_of_four += static_cast<double>(r[a + 2]);
    fourth_of_four += static_cast<double>(r[a + 3]);
  }
  for (; a < n; ++a) first_of_four += static_cast<double>(r[a]);
  return (first_of_four + second_of_four) + (third_of_four + fourth_of_four);
}

}  // namespace common
