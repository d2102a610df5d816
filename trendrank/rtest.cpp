// The trend test: pools and ranks the observations, computes the observed
// statistics, then P values from 9999 repetitions. When every group has at
// least 30 observations the limit law is simulated (independent normal
// deviates with variance 1/p(i), p(i) = N(i)/NTOT, fitted isotonically);
// otherwise the ranks after the first group are rearranged at random.
#include <cmath>

#include "common/mid_ranks.h"
#include "common/randomization.h"
#include "common/uniform_generator.h"
#include "state.h"

namespace trendrank {

namespace {

// Simulated statistics B (trend) and V (departure), each counted when at least
// the observed normalised statistic; a NaN observed value counts nothing.
void simulate(State& st) {
  const int32_t k = st.grp.groups();
  float p[common::kMaxGroups + 1] = {};
  float s[common::kMaxGroups + 1] = {};
  float y[common::kMaxGroups + 1] = {};
  float f[common::kMaxGroups + 1] = {};
  const double ntot = static_cast<double>(st.grp.ntotal);
  for (int32_t i = 0; i < k; ++i) {
    p[i] = static_cast<float>(static_cast<double>(st.grp.nsize[i]) / ntot);
  }
  if (k >= 1 && k - 2 * (k / 2) == 1) p[k] = p[k - 1];  // the spare slot of an odd K
  const int32_t pairs = (k + 1) / 2;
  for (int32_t i = 0; i < 2 * pairs; ++i) {
    s[i] = static_cast<float>(std::sqrt(static_cast<double>(p[i])));
  }
  const double ttrend = static_cast<double>(st.rte1[1]);
  const double tdev = static_cast<double>(st.rte1[3]);
  int32_t count1 = 0;
  int32_t count2 = 0;
  for (int rep = 0; rep < common::kRandomRepeats; ++rep) {
    for (int32_t h = 0; h < pairs; ++h) {
      float z1 = 0.0f;
      float z2 = 0.0f;
      rnorm_(st.gen3, z1, z2);
      y[2 * h] = static_cast<float>(static_cast<double>(z1) / static_cast<double>(s[2 * h]));
      y[2 * h + 1] =
          static_cast<float>(static_cast<double>(z2) / static_cast<double>(s[2 * h + 1]));
    }
    ireg_(k, y, p, f);
    double m = 0.0;
    for (int32_t i = 0; i < k; ++i) m += static_cast<double>(p[i]) * static_cast<double>(y[i]);
    double b = 0.0;
    double v = 0.0;
    for (int32_t i = 0; i < k; ++i) {
      const double df = static_cast<double>(f[i]) - m;
      const double dy = static_cast<double>(y[i]) - static_cast<double>(f[i]);
      b += static_cast<double>(p[i]) * (df * df);
      v += static_cast<double>(p[i]) * (dy * dy);
    }
    if (b >= ttrend) ++count1;
    if (v >= tdev) ++count2;
  }
  st.rte1[4] = common::share_of_repeats(count1);
  st.rte1[5] = st.rte1[4];
  st.rte1[6] = common::share_of_repeats(count2);
  st.rte1[7] = st.rte1[6];
}

// Rearranged statistics compared with the observed ones after rounding to
// four decimals; the rank vector is never restored between repetitions.
void randomize(State& st) {
  const int32_t ntot = st.grp.ntotal;
  const int32_t m = ntot - st.grp.nsize[0];  // 0 <= m < ntot: every size is at least 1
  common::TailCounter trend(st.rte1[0]);
  common::TailCounter departure(st.rte1[2]);
  for (int rep = 0; rep < common::kRandomRepeats; ++rep) {
    st.gen1.shuffle(st.rmid, ntot, m);
    float s1 = 0.0f;
    float s2 = 0.0f;
    trnst_(st, st.rmid, ntot, s1, s2);
    trend.add(s1);
    departure.add(s2);
  }
  st.rte1[4] = trend.share_at_least();
  st.rte1[5] = trend.share_above();
  st.rte1[6] = departure.share_at_least();
  st.rte1[7] = departure.share_above();
}

}  // namespace

void rtest_(State& st) {
  const int32_t k = st.grp.groups();
  for (int32_t i = 0; i < k; ++i) st.rte2[i] = static_cast<float>(st.grp.nsize[i]);
  common::pool_observations(st.grp, st.zpool);
  const int32_t ntot = st.grp.ntotal;
  common::mid_ranks(st.zpool, st.rmid, ntot);
  trnst_(st, st.rmid, ntot, st.rte1[0], st.rte1[2]);
  rtstat_(st.rmid, ntot, st.rte1[0], st.rte1[2], st.rte1[1], st.rte1[3]);

  if (common::all_groups_large(st.grp)) {
    simulate(st);
  } else {
    randomize(st);
  }
}

}  // namespace trendrank
