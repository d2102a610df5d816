// The distsearch run, once, on one State made fresh for it: the dialogue; the
// group means and the pooled residuals; their mean absolute value (in pooling
// order); the residuals sorted; a scale fitted to each law and the distance to
// it; the closest law; the report.
#include "distsearch/distsearch.h"

#include <algorithm>
#include <memory>

#include "common/residuals.h"
#include "common/sort.h"
#include "distsearch/state.h"

namespace distsearch {

int run(const con::Io& io) {
  return con::run_program(io, [](con::Console& c) {
    auto state = std::make_unique<State>();
    read_input(c, *state);

    common::group_means(state->data, state->group_mean);
    state->residual_count =
        common::pooled_residuals(state->data, state->group_mean, state->residuals);
    const int32_t n = state->residual_count;
    state->mean_absolute_residual = mean_absolute_residual(state->residuals, n);
    std::copy(state->residuals, state->residuals + n, state->sorted_residuals);
    common::sort_ascending(state->sorted_residuals, n);

    fit_law_scales(state->mean_absolute_residual, state->scale);
    for (int law = 0; law < kLawCount; ++law) {
      state->distance[law] =
          distance_to_law(static_cast<Law>(law), state->sorted_residuals, n, state->scale[law]);
    }
    state->closest = closest_law(state->distance);

    write_report(c, *state);
  });
}

}  // namespace distsearch
