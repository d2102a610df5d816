// Tie groups of the sorted residuals: two residuals tie when their values
// rounded to M decimals agree (v*10^M stored single, then rounded half away
// from zero). The key never decreases along the sorted residuals, so each key
// forms one run and a single pass counts every group; keys are compared as
// doubles, so values beyond the 32-bit range keep their distinct keys, and
// NaN keys tie with one another.
#include <cmath>
#include <iterator>

#include "cdfplot/state.h"
#include "console/format.h"

namespace cdfplot {

int32_t tie_factor(int32_t decimals) {
  static_assert(kMostTieDecimals < static_cast<int32_t>(std::size(con::kPowersOfTen)));
  if (decimals < 0) return 0;
  return static_cast<int32_t>(con::kPowersOfTen[decimals]);
}

double tie_key(float v, int32_t factor) {
  if (factor == 0) return 0.0;  // a negative M: every residual ties
  const float product = static_cast<float>(static_cast<double>(v) * static_cast<double>(factor));
  return std::round(static_cast<double>(product));
}

namespace {

bool same_key(double a, double b) { return a == b || (std::isnan(a) && std::isnan(b)); }

}  // namespace

void find_tie_groups(const float* sorted, int32_t n, int32_t factor, TieGroups& groups) {
  int32_t count = 0;
  int32_t next = 0;
  groups.count_before[0] = 0;
  while (next < n) {
    groups.first_value[count] = sorted[next];
    const double key = tie_key(sorted[next], factor);
    ++next;
    while (next < n && same_key(tie_key(sorted[next], factor), key)) ++next;
    ++count;
    groups.count_before[count] = next;
  }
  groups.count = count;
}

}  // namespace cdfplot
