// The run state of the comparison program, made fresh for every run: the
// group data from the dialogue, the pooled pair and its work arrays, the
// percent point with its tolerance, weights and trial point, the argument
// block of the quadrature call, and the integration library's own state.
// Limits: 10 groups of at most 50 observations.
#ifndef MULTICOMP_STATE_H
#define MULTICOMP_STATE_H

#include <cstdint>

#include "common/group_data.h"
#include "numlib/library.h"

namespace multicomp {

constexpr int kMaxSize = 50;                   // observations a group
constexpr int kMaxPool = 2 * kMaxSize;         // a pooled pair
constexpr int kMaxDiff = kMaxSize * kMaxSize;  // differences of a pair

struct State {
  // inp3_ (ngroup), inp1_ (nsize), inp2_ (xobs), inp4_ (ntotal), imp5_ (alpha)
  common::GroupData grp;

  float zpool[kMaxPool] = {};  // rt1_: group I, then group J
  float rmid[kMaxPool] = {};   // mid-ranks of group I within the pair
  float dpair[kMaxDiff] = {};  // sorted differences group I minus group J
  double cpoint = 0.0;         // the percent point, three decimals

  double eps = 0.0;                      // err_: tolerance of search and quadrature
  double wlam[common::kMaxGroups] = {};  // param_: weights of the groups
  double xtrial = 0.0;                   // parami_: trial point of the equation

  // Argument block of the quadrature call (only the integral is read).
  double s = 0.0;
  double err = 0.0;
  int32_t nev = 0;
  int32_t icon = 0;

  numlib::Library lib;  // tables and message state of the integration library
};

}  // namespace multicomp

#endif  // MULTICOMP_STATE_H
