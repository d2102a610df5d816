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
    State& s = *state;
    read_input(c, s);
    common::group_means(s.data, s.group_means);
    s.residual_count = common::pooled_residuals(s.data, s.group_means, s.residuals);
    common::sort_ascending(s.residuals, s.residual_count);
    s.fit = fit_normal_law(s.residuals, s.residual_count);
    find_tie_groups(s.residuals, s.residual_count, tie_factor(s.tie_decimals), s.ties);
    s.grid = curve_grid(s.residuals[0], s.residuals[s.residual_count - 1]);
    tabulate_curves(s.residual_count, s.ties, s.grid, s.fit, s.table);
    write_report(c, s);
  });
}

}  // namespace cdfplot
