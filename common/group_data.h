// The group data set every program reads: the number of groups, their sizes
// as typed, the observations (single precision) and the level. Storage is
// sized for the largest program (10 groups of 1000); each program passes its
// own limits to the dialogue or reader, which refuses anything beyond them.
#ifndef COMMON_GROUP_DATA_H
#define COMMON_GROUP_DATA_H

#include <cstdint>

namespace common {

constexpr int kMaxGroups = 10;
constexpr int kMaxGroupSize = 1000;

struct GroupData {
  int32_t group_count = 0;                             // the number of groups, as typed
  int32_t sizes[kMaxGroups] = {};                      // the sizes as typed (may be <= 0)
  float observations[kMaxGroups][kMaxGroupSize] = {};  // [i][j]: value j+1 of group i+1
  int32_t total_size = 0;                              // sum of the sizes as typed
  float alpha = 0.0f;                                  // the significance level
  // Number of groups that hold data: max(group_count, 0) (at most 10 once read).
  int held_group_count() const { return group_count > 0 ? group_count : 0; }
  // Number of observations group i (0-based) holds: max(sizes[i], 0).
  int held_size(int i) const { return sizes[i] > 0 ? sizes[i] : 0; }
};

}  // namespace common

#endif  // COMMON_GROUP_DATA_H
