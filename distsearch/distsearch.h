// distsearch: measures how far the pooled, standardised within-group residuals
// lie from seven reference distributions (Kolmogorov-Smirnov distance at a
// scale fitted by the mean absolute value) and names the closest one.
#ifndef DISTSEARCH_DISTSEARCH_H
#define DISTSEARCH_DISTSEARCH_H

#include "console/console.h"

namespace distsearch {

// One whole run on the given streams; returns the exit status.
int run(const con::Io& io);

}  // namespace distsearch

#endif  // DISTSEARCH_DISTSEARCH_H
