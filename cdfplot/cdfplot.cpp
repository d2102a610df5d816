// The distribution-function filter, stage by stage: silent reading, the pooled
// residuals sorted ascending, the normal fit, the tie groups and the grid, the
// table rows, then the table; nothing else is written.
#include "cdfplot/cdfplot.h"

#include <memory>

#include "cdfplot/state.h"
#include "common/residuals.h"
#include "common/sort.h"

namespace cdfplot {

int run(const con::Io& io) {
  return con::run_program(io, [](con::Console& c) {
    auto state = std::make_unique<State>();
    read_input(c, *state);
    common::group_means(state->data, state->group_means);
    state->residual_count =
        common::pooled_residuals(state->data, state->group_means, state->residuals);
    common::sort_ascending(state->residuals, state->residual_count);
    state->fit = fit_normal_law(state->residuals, state->residual_count);
    find_tie_groups(state->residuals, state->residual_count, tie_factor(state->tie_decimals),
                    state->ties);
    state->grid = curve_grid(state->residuals[0], state->residuals[state->residual_count - 1]);
    tabulate_curves(state->residual_count, state->ties, state->grid, state->fit, state->table);
    write_report(c, *state);
  });
}

}  // namespace cdfplot
