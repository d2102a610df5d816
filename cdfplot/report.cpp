// The table writer: one record (3(2X,F8.3)) per row, position, empirical and
// fitted distribution function, each widened from single to double for the
// field.
#include "cdfplot/state.h"
#include "console/format.h"

namespace cdfplot {

void write_report(con::Console& c, const State& state) {
  for (int32_t r = 0; r < state.table.row_count; ++r) {
    const TableRow& row = state.table.rows[r];
    c.put_line(con::Record()
                   .x(2)
                   .f(static_cast<double>(row.position), 8, 3)
                   .x(2)
                   .f(static_cast<double>(row.empirical), 8, 3)
                   .x(2)
                   .f(static_cast<double>(row.fitted), 8, 3));
  }
}

}  // namespace cdfplot
