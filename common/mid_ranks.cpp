// Mid-ranks by counting: for each value, the number of values not greater and
// the number smaller (the value itself included in the first count). The counts
// are exact; the average is formed in double and stored in single precision.
// Comparisons are written as P(b) <= P(a) and P(b) < P(a): a NaN on either
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
  double s0 = 0.0;
  double s1 = 0.0;
  double s2 = 0.0;
  double s3 = 0.0;
  int32_t a = 0;
  for (; a + 4 <= n; a += 4) {
    s0 += static_cast<double>(r[a]);
    s1 += static_cast<double>(r[a + 1]);
    s2 += static_cast<double>(r[a + 2]);
    s3 += static_cast<double>(r[a + 3]);
  }
  for (; a < n; ++a) s0 += static_cast<double>(r[a]);
  return (s0 + s1) + (s2 + s3);
}

}  // namespace common
