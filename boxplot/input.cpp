// The silent input of the filter: the shared reader, then the shared rule for
// small groups with at least one observation a group, so that every refusal
// comes before the first row.
#include "boxplot/state.h"
#include "common/dialogue.h"

namespace boxplot {

void read_input(con::Console& c, State& state) {
  common::read_groups_silently(c, kLargestGroup, state.data);
  common::refuse_small_groups(c, state.data, 1);
}

}  // namespace boxplot
