// The box-plot filter, stage by stage: the silent input with its refusals,
// then for each group in turn a sorted copy, its box statistics, the x
// positions of its drawing and its segment table.
#include "boxplot/boxplot.h"

#include <memory>

#include "boxplot/state.h"

namespace boxplot {

int run(const con::Io& io) {
  return con::run_program(io, [](con::Console& c) {
    auto state = std::make_unique<State>();
    read_input(c, *state);
    const int groups = state->data.held_group_count();
    for (int i = 0; i < groups; ++i) {
      const int32_t n = state->data.sizes[i];
      for (int j = 0; j < n; ++j) state->sorted_group[j] = state->data.observations[i][j];
      const BoxStatistics stats = box_statistics(state->sorted_group, n);
      write_segment_table(c, box_figure(i + 1), stats);
    }
  });
}

}  // namespace boxplot
