// Computation stage of the analysis of variance: sums of squares, the F
// statistic and its P value, working on the run state.
// Degenerate data give the IEEE results of the divisions (NaN means of empty
// groups, NaN F when every group holds one observation or all are equal, a
// non-finite F for a single group); nothing here prints, refuses or stops.
#ifndef ANOVAF_STATIS_H
#define ANOVAF_STATIS_H

#include <cstdint>

#include "anovaf/state.h"

namespace anovaf {

// Group means XM, grand mean GM, SW, ST, MSB and F from the typed data.
void statis_(State& st);

// Degrees of freedom m = K - 1 and n = NT - K (64-bit), and P from fbunp2_.
void test_(State& st);

// K - 1 and NT - K without overflow for any 32-bit K and NT.
int64_t df_between(const State& st);
int64_t df_within(const State& st);

}  // namespace anovaf

#endif  // ANOVAF_STATIS_H
