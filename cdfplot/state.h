// The run state of the distribution-function filter and the declarations of
// its stages: the input, the normal fit, the tie groups of the sorted
// residuals, the grid of the fitted curve, the table rows and the table
// writer. One fresh State per run.
#ifndef CDFPLOT_STATE_H
#define CDFPLOT_STATE_H

#include <array>
#include <cstdint>

#include "common/group_data.h"
#include "common/residuals.h"
#include "console/console.h"

namespace cdfplot {

constexpr int32_t kLargestGroup = 1000;  // largest group the filter holds
constexpr int32_t kMostTieDecimals = 9;  // 10 to a larger power does not fit 32 bits

// The grid of the fitted curve: point k is min + (k - 2)/10 of the range, so
// two points lie below the data, point 2 is the smallest residual, point 12 the
// largest and point 13 lies above the data.
constexpr int kGridPoints = 14;
constexpr int kGridMinimum = 2;
constexpr int kGridMaximum = 12;
using CurveGrid = std::array<float, kGridPoints>;

// Rows of the table at most: each tie group twice, and every grid point but
// the minimum at most once.
constexpr int32_t kMostTableRows = 2 * common::kMaxResiduals + kGridPoints - 1;

// A normal law fitted to the residuals.
struct NormalFit {
  float location = 0.0f;  // the mean
  float scale = 0.0f;     // the mean absolute deviation / sqrt(2/pi)
};

// Runs of residuals that tie, in ascending order: the steps of the empirical
// distribution function.
struct TieGroups {
  int32_t count = 0;                              // number of groups
  float first_value[common::kMaxResiduals] = {};  // smallest residual of each group
  // count_before[l]: residuals in the groups before group l (0 for the first);
  // count_before[count] is every residual.
  int32_t count_before[common::kMaxResiduals + 1] = {};
};

// One row of the table: a position on the residual axis, the empirical
// distribution function there and the fitted one.
struct TableRow {
  float position = 0.0f;
  float empirical = 0.0f;
  float fitted = 0.0f;
};

struct DistributionTable {
  int32_t row_count = 0;
  TableRow rows[kMostTableRows] = {};
};

struct State {
  int32_t tie_decimals = 0;     // M: residuals that agree to M decimals tie
  common::GroupData data;       // groups, sizes, observations
  common::Residuals residuals;  // group means, pooled residuals, sorted
  NormalFit fit;                // normal law fitted to the residuals
  TieGroups ties;               // tie groups of the sorted residuals
  CurveGrid grid = {};          // grid of the fitted curve
  DistributionTable table;      // the rows to write
};

// Reads M and the data set silently, refusing before any table row what the
// method cannot use: M above 9, a group of fewer than two observations (a size
// of 0 skips the group), and a data set with no observations.
void read_input(con::Console& c, State& state);

// The normal law fitted to z[0..n-1]: location the mean, scale the mean
// absolute deviation about it divided by sqrt(2/pi). Both 0 when n <= 0; all
// values equal give scale 0.
NormalFit fit_normal_law(const float* z, int32_t n);

// The fitted normal distribution function at x: 1 - Q((x - location)/scale),
// Q the normal upper tail. A zero scale gives the NaN of an invalid operation.
float fitted_distribution_function(float x, const NormalFit& fit);

// 10 to the power `decimals` as a 32-bit integer (decimals at most 9), the
// factor of the tie keys; 0 for negative decimals.
int32_t tie_factor(int32_t decimals);

// Tie key of v for the factor 10^M: v*factor stored single, then rounded to
// the nearest whole number with halves away from zero, kept in double so that
// no value is out of range. A factor of 0 (a negative M) gives 0 for every value.
double tie_key(float v, int32_t factor);

// The tie groups of the ascending sorted[0..n-1] under the keys of `factor`.
// No groups when n <= 0; otherwise count_before[count] = n.
void find_tie_groups(const float* sorted, int32_t n, int32_t factor, TieGroups& groups);

// The 14 grid points lowest + t(highest - lowest)/10, t = -2 .. 11.
CurveGrid curve_grid(float lowest, float highest);

// The rows of the table for residual_count (at least 1) sorted residuals with
// their tie groups, grid and fit: the two grid points below the data at
// empirical level 0; each tie group at its first value, before and after its
// step, followed by the grid points above it up to the next group; then the
// maximum and the point above it at level 1.
void tabulate_curves(int32_t residual_count, const TieGroups& ties, const CurveGrid& grid,
                     const NormalFit& fit, DistributionTable& table);

// Writes every row of the table, (3(2X,F8.3)): position, empirical, fitted.
void write_report(con::Console& c, const State& state);

}  // namespace cdfplot

#endif  // CDFPLOT_STATE_H
