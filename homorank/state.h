// Run state of the homogeneity test: the group data as typed, the grand mean,
// the test results (TR, H, pge, pgt), the rank estimates, the work areas of the
// test driver and the generator of the permutations and the decision. One
// State is made fresh for every run, so nothing survives from one data set to
// the next. Members keep the names of the program's static areas.
#ifndef HOMORANK_STATE_H
#define HOMORANK_STATE_H

#include <cstdint>

#include "common/group_data.h"
#include "common/uniform_generator.h"

namespace homorank {

constexpr int kMaxSize = 100;    // largest group (the dialogue refuses more)
constexpr int kMaxTotal = 1000;  // 10 groups of 100

struct State {
  common::GroupData grp;  // inp3_ K, inp1_ N(i), inp2_ X(i,j), inp4_ NTOT, inp5_ alpha
  float as1_ = 0.0f;      // the grand arithmetic mean (gmean)
  float rte1_[4] = {};    // TR, H, pge, pgt
  float res1_[common::kMaxGroups] = {};      // THETA(i), the combined effects
  float res2_[common::kMaxGroups + 1] = {};  // CENTRE, then EST(1..K)

  // Work areas of the test driver.
  float zpool[kMaxTotal] = {};          // P: the observations pooled in group order
  float rmid[kMaxTotal] = {};           // R: their mid-ranks, rearranged in place
  float rbar[common::kMaxGroups] = {};  // mean ranks of the last trnst_ call

  common::UniformGenerator gen;  // urand1_: rearrangements, then the randomized decision
};

}  // namespace homorank

#endif  // HOMORANK_STATE_H
