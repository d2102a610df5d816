// Group means and pooled standardised within-group residuals, and the two
// together with the residuals sorted ascending. A group mean is the sum of x/n
// over the group, each observation divided by the size before it is added
// (double precision, stored single). A residual is (x - mean) / sqrt(1 - 1/n)
// of its group, rounded once to single; the groups are pooled in group order,
// within a group in input order.
#ifndef COMMON_RESIDUALS_H
#define COMMON_RESIDUALS_H

#include <cstdint>

#include "common/group_data.h"

namespace common {

// Room for every residual of a data set: 10 groups of at most 1000.
constexpr int kMaxResiduals = kMaxGroups * kMaxGroupSize;

// means[i] = mean of group i (0-based) for i < data.held_group_count(); 0 for
// a group of size zero or less. Entries from data.held_group_count() on are set
// to 0.
void group_means(const GroupData& data, float means[kMaxGroups]);

// Writes the residuals of every group of positive size, in pooling order, into
// residuals (room for kMaxResiduals) and returns how many were written (the sum of
// the positive sizes). A group of one observation gives 0/0, a NaN.
int32_t pooled_residuals(const GroupData& data, const float means[kMaxGroups], float* residuals);

// The residuals of a data set as cdfplot and distsearch use them: in pooling
// order (a sum over them runs in that order) and ascending.
struct Residuals {
  float group_means[kMaxGroups] = {};          // mean of each group
  int32_t count = 0;                           // residuals pooled from every group
  float in_pooling_order[kMaxResiduals] = {};  // group order, input order within a group
  float ascending[kMaxResiduals] = {};         // the same values, by sort_ascending
};

// The group means of data, its pooled residuals, and a copy of them sorted
// ascending, into residuals.
void sorted_residuals(const GroupData& data, Residuals& residuals);

}  // namespace common

#endif  // COMMON_RESIDUALS_H
