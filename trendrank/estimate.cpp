// Rank estimates of the trend test: the raw Hodges-Lehmann effects, smoothed
// into a non-decreasing sequence by the same weighted isotonic fit as the test
// (one unlabelled trace line per group: weight, raw effect, smoothed effect),
// the centre from the Walsh averages of the residuals about the raw effects,
// and each group's location estimate, centre plus smoothed effect.
#include "common/rank_estimates.h"
#include "state.h"

namespace trendrank {

void rest1_(con::Console& c, State& st) {
  const int32_t k = st.grp.groups();
  common::rank_effects(st.grp, st.res1);
  ireg_(k, st.res1, st.rte2, st.res3);
  for (int32_t p = 0; p < k; ++p) c.write({st.rte2[p], st.res1[p], st.res3[p]});
}

void rest_(con::Console& c, State& st) {
  rest1_(c, st);
  st.res2[0] = common::rank_centre(st.grp, st.res1);
  for (int32_t i = 0; i < st.grp.groups(); ++i) {
    st.res2[i + 1] =
        static_cast<float>(static_cast<double>(st.res2[0]) + static_cast<double>(st.res3[i]));
  }
}

}  // namespace trendrank
