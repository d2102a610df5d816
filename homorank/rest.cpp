// rest_: Hodges-Lehmann rank estimates. rest1_ gives each group's raw effect
// THETA (the size-weighted average of its shifts against every group, each
// shift the median of the pairwise differences; no smoothing here), rest2_ the
// centre (median of the Walsh averages of the residuals about THETA), and each
// group's location estimate is CENTRE + THETA(i), rounded to single.
#include "common/rank_estimates.h"
#include "homorank/homorank.h"

namespace homorank {

void rest1_(State& st) { common::rank_effects(st.grp, st.res1_); }

void rest_(State& st) {
  rest1_(st);
  st.res2_[0] = common::rank_centre(st.grp, st.res1_);
  for (int i = 0; i < st.grp.groups(); ++i) {
    st.res2_[i + 1] =
        static_cast<float>(static_cast<double>(st.res2_[0]) + static_cast<double>(st.res1_[i]));
  }
}

}  // namespace homorank
