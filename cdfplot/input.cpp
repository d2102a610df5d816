// Silent reader of the distribution-function filter: M, then K, the sizes and
// each group's observations, nothing printed. Refuses, before any table row,
// what the method cannot use: M above 9, a negative size, a group of one
// observation (its residual is 0/0) and a data set with no observations.
// Then the group means, the pooled residuals, and the ascending sort.
#include <string>

#include "common/dialogue.h"
#include "common/sort.h"
#include "common/residuals.h"
#include "state.h"

namespace cdfplot {

void input_(con::Console& c, State& st) {
  c.read_int(st.inp0_);
  if (st.inp0_ > 9) {
    c.refuse("number of decimal places " + std::to_string(st.inp0_) +
             " is above 9 (10 to that power does not fit 32 bits)");
  }
  common::read_groups_silently(c, kMaxSize, st.grp);
  common::refuse_small_groups(c, st.grp, 2, true);
  common::group_means(st.grp, st.xmean);
  st.inp1_ = common::pooled_residuals(st.grp, st.xmean, st.inp2_);
  if (st.inp1_ == 0) {
    c.refuse("the data set holds no observations (" + std::to_string(st.grp.groups()) +
             " groups, total size 0); the table needs at least 2");
  }
  common::sort_ascending(st.inp2_, st.inp1_);
}

}  // namespace cdfplot
