// homorank: the rank test of homogeneity of several groups (Kruskal-Wallis
// statistic with the tie correction), its P value from the chi-square law when
// every group has at least 30 observations and otherwise from 9999 random
// rearrangements of the ranks, Hodges-Lehmann estimates of the group effects,
// and the report. run() is the whole program on the given streams.
#ifndef HOMORANK_HOMORANK_H
#define HOMORANK_HOMORANK_H

#include <cstdint>

#include "console/console.h"
#include "homorank/state.h"

namespace homorank {

int run(const con::Io& io);

// Dialogue, echo and grand mean; refuses a group size of 0 or below after the
// echo (the statistic divides by every size).
void input_(con::Console& c, State& st);

// Pools and ranks the observations, prints the ranks, the mean ranks and TR,
// normalises TR to H and finds pge and pgt.
void rtest_(con::Console& c, State& st);

// Prints the ranks: an empty statement, "順位", then dout2_.
void rank_print_(con::Console& c, const float* r, int32_t n);

// Prints A(1..N) five to a record in (5(2X,F9.2)).
void dout2_(con::Console& c, const float* a, int32_t n);

// TR = sum of N(i) (mean rank of group i - (n+1)/2)^2 over the groups of
// st.grp, the ranks r[0..n-1] taken group by group; writes st.rbar.
void trnst_(State& st, const float* r, int32_t n, float& tr);

// The lines of the mean ranks in st.rbar and of TR.
void trnst_print_(con::Console& c, const State& st, float tr);

// H = TR (n-1) / sum of (R(a) - (n+1)/2)^2.
void rtstat_(const float* r, int32_t n, float tr, float& h);

// The raw effects THETA(1..K) into res1_ (no smoothing).
void rest1_(State& st);

// The rank estimates: rest1_, then the centre and CENTRE + THETA (res2_).
void rest_(State& st);

// The report.
void kekka_(con::Console& c, State& st);

}  // namespace homorank

#endif  // HOMORANK_HOMORANK_H
