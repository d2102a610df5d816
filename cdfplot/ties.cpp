// Tie groups of the sorted residuals: two residuals tie when their values
// rounded to M decimals agree (v*10^M stored single, then rounded half away
// from zero). The key never decreases along the sorted residuals, so each key
// forms one run and a single pass counts every group; keys are compared as
// doubles, so values beyond the 32-bit range keep their distinct keys.
#include <cmath>

#include "routines.h"

namespace cdfplot {

int32_t power10_(int32_t m) {
  static const int32_t kPowers[10] = {1,      10,      100,      1000,      10000,
                                      100000, 1000000, 10000000, 100000000, 1000000000};
  if (m < 0) return 0;
  return kPowers[m];
}

double tie_key_(float v, int32_t p) {
  if (p == 0) return 0.0;  // a negative M: every residual ties
  const float product = static_cast<float>(static_cast<double>(v) * static_cast<double>(p));
  return std::round(static_cast<double>(product));
}

namespace {

bool same_key(double a, double b) { return a == b || (std::isnan(a) && std::isnan(b)); }

}  // namespace

int32_t tie_groups_(const float* z, int32_t n, int32_t p, float* u, int32_t* cum) {
  int32_t groups = 0;
  int32_t pos = 0;
  cum[0] = 0;
  while (pos < n) {
    u[groups] = z[pos];
    const double key = tie_key_(z[pos], p);
    ++pos;
    while (pos < n && same_key(tie_key_(z[pos], p), key)) ++pos;
    ++groups;
    cum[groups] = pos;
  }
  return groups;
}

}  // namespace cdfplot
