// The rows of the table, traced along the sorted residuals: the empirical
// level of a row is a count of residuals divided by their number in double,
// stored single; the fitted value is the fitted distribution function at the
// row's position. Each tie group gives two rows at its first value, the level
// before and after its step; the grid points strictly above a group and at or
// below the next one follow it at the level after the step, so the fitted
// curve is drawn between steps that lie far apart.
#include "cdfplot/state.h"

namespace cdfplot {

namespace {

float level(int32_t count, int32_t n) {
  return static_cast<float>(static_cast<double>(count) / static_cast<double>(n));
}

}  // namespace

void tabulate_curves(int32_t residual_count, const TieGroups& ties, const CurveGrid& grid,
                     const NormalFit& fit, DistributionTable& table) {
  int32_t rows = 0;
  auto add = [&](float position, float empirical, float fitted) {
    table.rows[rows].position = position;
    table.rows[rows].empirical = empirical;
    table.rows[rows].fitted = fitted;
    ++rows;
  };

  for (int k = 0; k < kGridMinimum; ++k) {
    add(grid[k], 0.0f, fitted_distribution_function(grid[k], fit));
  }
  for (int32_t l = 0; l < ties.count; ++l) {
    const float value = ties.first_value[l];
    const float fitted = fitted_distribution_function(value, fit);
    add(value, level(ties.count_before[l], residual_count), fitted);
    add(value, level(ties.count_before[l + 1], residual_count), fitted);
    if (l + 1 < ties.count) {
      const float next = ties.first_value[l + 1];
      for (int k = kGridMinimum + 1; k < kGridMaximum; ++k) {
        if (value < grid[k] && grid[k] <= next) {
          add(grid[k], level(ties.count_before[l + 1], residual_count),
              fitted_distribution_function(grid[k], fit));
        }
      }
    }
  }
  for (int k = kGridMaximum; k < kGridPoints; ++k) {
    add(grid[k], 1.0f, fitted_distribution_function(grid[k], fit));
  }
  table.row_count = rows;
}

}  // namespace cdfplot
