// The Kolmogorov-Smirnov distance: the largest gap, over the sorted residuals,
// between the law's distribution function F = 1 - Q(z/s), Q its upper tail,
// and the empirical one just before ((i-1)/n) and at (i/n) the i-th residual.
// Each scaled residual is rounded to single; the gaps are formed in double and
// the distance stored single. A NaN gap never raises it, so degenerate data
// (NaN or infinite scaled residuals) leave the distance at 0.
#include <cmath>

#include "common/normal_tail.h"
#include "distsearch/state.h"

namespace distsearch {

namespace {

using UpperTail = float (*)(float);

UpperTail upper_tail_of(Law law) {
  switch (law) {
    case kNormalMixture:
      return normal_mixture_tail;
    case kLogistic:
      return logistic_tail;
    case kDoubleExponential:
      return double_exponential_tail;
    case kLargeOutlierMixture:
      return large_outlier_mixture_tail;
    case kSmallOutlierMixture:
      return small_outlier_mixture_tail;
    case kExponential:
      return exponential_tail;
    default:
      return common::normal_upper_tail;
  }
}

}  // namespace

float distance_to_law(Law law, const float* z, int32_t n, float s) {
  float distance = 0.0f;
  if (n <= 0) return distance;
  const UpperTail tail = upper_tail_of(law);
  const double dn = static_cast<double>(n);
  double rank = 1.0;    // i
  double before = 0.0;  // i - 1
  for (int32_t i = 0; i < n; ++i) {
    const float t = static_cast<float>(static_cast<double>(z[i]) / static_cast<double>(s));
    const double f = 1.0 - static_cast<double>(tail(t));
    const double gap_before = std::fabs(f - before / dn);
    const double gap_at = std::fabs(rank / dn - f);
    const double gap = (gap_before > gap_at) ? gap_before : gap_at;
    if (static_cast<double>(distance) < gap) distance = static_cast<float>(gap);
    rank += 1.0;
    before += 1.0;
  }
  return distance;
}

void distances_to_every_law(const float* z, int32_t n, const float scale[kLawCount],
                            float distance[kLawCount]) {
  for (int law = 0; law < kLawCount; ++law) {
    distance[law] = distance_to_law(static_cast<Law>(law), z, n, scale[law]);
  }
}

}  // namespace distsearch
