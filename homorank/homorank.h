// homorank: the rank test of homogeneity of several groups (the Kruskal-Wallis
// statistic with the tie correction), its P value from the chi-square law when
// every group has at least 30 observations and otherwise from 9999 random
// rearrangements of the ranks, a randomized decision at the level, and
// Hodges-Lehmann estimates of the group effects and locations.
#ifndef HOMORANK_HOMORANK_H
#define HOMORANK_HOMORANK_H

#include "console/console.h"

namespace homorank {

// The whole program on the given streams; returns the exit status.
int run(const con::Io& io);

}  // namespace homorank

#endif  // HOMORANK_HOMORANK_H
