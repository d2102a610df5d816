// Run state of the one-way analysis of variance: the group data as typed, the
// group means, grand mean, sums of squares, F statistic and its P value, and
// the scratch values of the F tail. One State is made fresh for every run, so
// nothing survives from one data set to the next.
// Members keep the names the program's routines use for them.
#ifndef ANOVAF_STATE_H
#define ANOVAF_STATE_H

#include <cstdint>

#include "common/group_data.h"

namespace anovaf {

// Largest group this program stores (the dialogue refuses anything above it).
constexpr int kMaxSize = 100;

// Scratch values of fbunp2_, overwritten by every call.
struct FTail {
  float x = 0.0f;  // beta argument n / (m F + n)
  int64_t u = 0;   // (m + 1) / 2
  int64_t v = 0;   // (n + 1) / 2
  float p = 0.0f;  // running probability
  float t = 0.0f;  // running term
  int32_t i0 = 0;  // first denominator of the numerator recurrence
  int32_t j0 = 0;  // first denominator of the denominator recurrence
};

struct State {
  common::GroupData grp;                 // K, N(i), X(i,j), NT, alpha
  float xmean[common::kMaxGroups] = {};  // XM(j), the group means
  float gmean = 0.0f;                    // GM, the grand mean
  float fstat = 0.0f;                    // F
  float sw = 0.0f;                       // within-group sum of squares
  float st = 0.0f;                       // total sum of squares
  float msb = 0.0f;                      // between-group mean square
  float pvalue = 0.0f;                   // P of the F test
  FTail ftail;
};

}  // namespace anovaf

#endif  // ANOVAF_STATE_H
