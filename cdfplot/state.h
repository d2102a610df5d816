// The run state of the distribution-function filter: the data as read, the
// sorted residuals, the fitted normal law and the table writer's tie groups
// and grid. One fresh State per run.
#ifndef CDFPLOT_STATE_H
#define CDFPLOT_STATE_H

#include <cstdint>

#include "common/group_data.h"
#include "common/residuals.h"
#include "console/console.h"

namespace cdfplot {

constexpr int32_t kMaxSize = 1000;  // largest group the filter holds
constexpr int kGridPoints = 14;

struct State {
  int32_t inp0_ = 0;                        // M, decimals that decide ties
  common::GroupData grp;                    // K, sizes, observations
  float xmean[common::kMaxGroups] = {};     // group means
  int32_t inp1_ = 0;                        // ntotal
  float inp2_[common::kMaxResiduals] = {};  // residuals, sorted ascending
  float mu = 0.0f;                          // sta1_: location of the fit
  float sigma = 0.0f;                       // sta1_: scale of the fit
  // The table writer's own data.
  float u[common::kMaxResiduals] = {};          // U(1..L): first value of each tie group
  int32_t cum[common::kMaxResiduals + 1] = {};  // C(0..L): cumulative counts
  int32_t ngroups = 0;                          // L
  float t[kGridPoints] = {};                    // T(1..14): the grid
};

// Reads M and the data set, refuses what the method cannot use, forms the
// pooled residuals and sorts them.
void input_(con::Console& c, State& st);

// Writes the table.
void graph_(con::Console& c, State& st);

}  // namespace cdfplot

#endif  // CDFPLOT_STATE_H
