// Helpers of the randomization tests: the large-sample switch and pooling.
#include "common/randomization.h"

namespace common {

bool all_groups_large(const GroupData& data) {
  for (int i = 0; i < data.held_group_count(); ++i) {
    if (data.sizes[i] < kLargeGroup) return false;
  }
  return true;
}

int32_t pool_observations(const GroupData& data, float* pool) {
  int32_t pos = 0;
  for (int i = 0; i < data.held_group_count(); ++i) {
    for (int j = 0; j < data.held_size(i); ++j) pool[pos++] = data.observations[i][j];
  }
  return pos;
}

}  // namespace common
