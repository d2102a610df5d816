// trendrank: the rank test of homogeneity of groups against an increasing trend
// of their locations (isotonic regression of mean ranks), with randomization or
// simulated P values, a randomized decision at the user's level, and
// Hodges-Lehmann estimates of the group effects. One run reads one data set
// from the input stream and writes the Japanese report; returns the exit status.
#ifndef TRENDRANK_TRENDRANK_H
#define TRENDRANK_TRENDRANK_H

#include "console/console.h"

namespace trendrank {

int run(const con::Io& io);

}  // namespace trendrank

#endif  // TRENDRANK_TRENDRANK_H
