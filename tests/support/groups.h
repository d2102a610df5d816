// Test support: a group data set holding the given observations, with the group
// count, the sizes and their total taken from the lists, as the dialogue leaves them.
// fill_groups writes into an existing GroupData (a run state holds one);
// make_groups returns a fresh one on the heap (it is too large for the stack
// of a table of cases); ramp gives n evenly spaced observations.
#ifndef TESTS_SUPPORT_GROUPS_H
#define TESTS_SUPPORT_GROUPS_H

#include <cstdint>
#include <memory>
#include <vector>

#include "common/group_data.h"

namespace testsupport {

inline void fill_groups(common::GroupData& d, const std::vector<std::vector<float>>& groups) {
  int i = 0;
  for (const std::vector<float>& g : groups) {
    d.sizes[i] = static_cast<int32_t>(g.size());
    for (size_t j = 0; j < g.size(); ++j) d.observations[i][j] = g[j];
    d.total_size += d.sizes[i];
    ++i;
  }
  d.group_count = i;
}

inline std::unique_ptr<common::GroupData> make_groups(
    const std::vector<std::vector<float>>& groups) {
  auto d = std::make_unique<common::GroupData>();
  fill_groups(*d, groups);
  return d;
}

// n values start, start + step, ..., computed in single precision.
inline std::vector<float> ramp(int n, float start, float step) {
  std::vector<float> v;
  for (int i = 0; i < n; ++i) v.push_back(start + step * static_cast<float>(i));
  return v;
}

}  // namespace testsupport

#endif  // TESTS_SUPPORT_GROUPS_H
