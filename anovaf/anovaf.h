// anovaf: one-way analysis of variance with the F test. Reads the group data
// and a level through the console dialogue, echoes each group, and reports the
// sums of squares, F, its exact P value, the decision at the level, the group
// effects, the grand mean, the common variance and the group means.
#ifndef ANOVAF_ANOVAF_H
#define ANOVAF_ANOVAF_H

#include "console/console.h"

namespace anovaf {

// The whole program on the given streams; returns the exit status.
int run(const con::Io& io);

}  // namespace anovaf

#endif  // ANOVAF_ANOVAF_H
