// The distsearch run, once, on one State made fresh for it: the dialogue; the
// group means and the pooled residuals, kept in pooling order and sorted;
// their mean absolute value (summed in pooling order); a scale fitted to each
// law and the distance of the sorted residuals to it; the closest law; the
// report.
#include "distsearch/distsearch.h"

#include <memory>

#include "common/residuals.h"
#include "distsearch/state.h"

namespace distsearch {

int run(const con::Io& io) {
  return con::run_program(io, [](con::Console& c) {
    auto state = std::make_unique<State>();
    read_input(c, *state);
    common::sorted_residuals(state->data, state->residuals);
    state->mean_absolute_residual =
        mean_absolute_residual(state->residuals.in_pooling_order, state->residuals.count);
    fit_law_scales(state->mean_absolute_residual, state->scale);
    distances_to_every_law(state->residuals.ascending, state->residuals.count, state->scale,
                           state->distance);
    state->closest = closest_law(state->distance);
    write_report(c, *state);
  });
}

}  // namespace distsearch
