// The randomization P values of the two rank tests: 9999 random repeats, each
// statistic compared with the observed one after rounding to four decimals,
// and each count turned into a share of 10000 (divided in double, stored
// single). Below 30 observations in some group the tests rearrange the ranks;
// when every group has at least 30 they use a large-sample law instead.
#ifndef COMMON_RANDOMIZATION_H
#define COMMON_RANDOMIZATION_H

#include <cstdint>

#include "common/group_data.h"
#include "common/round4.h"

namespace common {

constexpr int kRandomRepeats = 9999;
constexpr int32_t kLargeGroup = 30;

// True when every group holds at least kLargeGroup observations.
bool all_groups_large(const GroupData& data);

// A count of repeats as a P value: count / 10000.
inline float share_of_repeats(int32_t count) {
  return static_cast<float>(static_cast<double>(count) / static_cast<double>(kRandomRepeats + 1));
}

// Counts the repeated statistics at or above, and above, the observed one,
// compared after rounding to four decimals (a NaN on either side counts in
// neither).
class TailCounter {
 public:
  explicit TailCounter(float observed) : observed_(round4(observed)) {}
  void add(float statistic) {
    const Round4 r = round4(statistic);
    if (round4_ge(r, observed_)) ++at_least_;
    if (round4_gt(r, observed_)) ++above_;
  }
  float share_at_least() const { return share_of_repeats(at_least_); }
  float share_above() const { return share_of_repeats(above_); }

 private:
  Round4 observed_;
  int32_t at_least_ = 0;
  int32_t above_ = 0;
};

// The observations of every group, concatenated in group order, into pool;
// returns how many were written (the sum of the positive sizes).
int32_t pool_observations(const GroupData& data, float* pool);

}  // namespace common

#endif  // COMMON_RANDOMIZATION_H
