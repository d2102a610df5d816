// Silent reader of the distribution-function filter: M, then the groups, the
// sizes and each group's observations, nothing printed. M above 9, and what
// the storage cannot hold, are refused right after their read; a group of one
// observation (its residual would be 0/0) and a data set with no observation
// once everything is read. With every size 0 or at least 2, the total of the
// sizes is the number of residuals the table will have.
#include <string>

#include "cdfplot/state.h"
#include "common/dialogue.h"

namespace cdfplot {

void read_input(con::Console& c, State& state) {
  c.read_int(state.tie_decimals);
  if (state.tie_decimals > kMostTieDecimals) {
    c.refuse("number of decimal places " + std::to_string(state.tie_decimals) +
             " is above 9 (10 to that power does not fit 32 bits)");
  }
  common::read_groups_silently(c, kLargestGroup, state.data);
  common::refuse_small_groups(c, state.data, 2, true);
  if (state.data.total_size == 0) {
    c.refuse("the data set holds no observations (" +
             std::to_string(state.data.held_group_count()) +
             " groups, total size 0); the table needs at least 2");
  }
}

}  // namespace cdfplot
