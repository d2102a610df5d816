// The distribution-function filter, stage by stage: silent reading, the pooled
// residuals sorted ascending, the normal fit, the tie groups and the grid, the
// table rows, then the table; nothing else is written.
#include "cdfplot/cdfplot.h"

#include <memory>

#include "cdfplot/state.h"
#include "common/residuals.h"

namespace cdfplot {

int run(const con::Io& io) {
  return con::run_program(io, [](con::Console& c) {
    auto state = std::make_unique<State>();
    read_input(c, *state);
    common::sorted_residuals(state->data, state->residuals);
    const float* const sorted = state->residuals.ascending;
    const int32_t n = state->residuals.count;
    state->fit = fit_normal_law(sorted, n);
    find_tie_groups(sorted, n, tie_factor(state->tie_decimals), state->ties);
    state->grid = curve_grid(sorted[0], sorted[n - 1]);
    tabulate_curves(n, state->ties, state->grid, state->fit, state->table);
    write_report(c, *state);
  });
}

}  // namespace cdfplot
