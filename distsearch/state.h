// The run state of distsearch: every area the dialogue fills and the search
// and the report read, made fresh for each run.
// inp1_ holds the total of the sizes as typed, inp2_ the pooled residuals
// (unsorted after input_, ascending after dista_), ans1_ the six scale factors
// and ans2_ the seven distances in the order of the laws.
#ifndef DISTSEARCH_STATE_H
#define DISTSEARCH_STATE_H

#include <cstdint>

#include "common/group_data.h"
#include "common/residuals.h"

namespace distsearch {

constexpr int kScaleFactors = 6;  // the two outlier mixtures share one
constexpr int kLaws = 7;

struct State {
  common::GroupData grp;                    // the data set as typed
  float xmean[common::kMaxGroups] = {};     // group means
  int32_t inp1_ = 0;                        // ntotal
  float inp2_[common::kMaxResiduals] = {};  // zres
  float ans1_[kScaleFactors] = {};          // scale factor per law
  float ans2_[kLaws] = {};                  // distance per law
};

}  // namespace distsearch

#endif  // DISTSEARCH_STATE_H
