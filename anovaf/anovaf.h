// anovaf: one-way analysis of variance with the F test. Reads the group data
// and a level through the console dialogue, echoes each group, and reports the
// sums of squares, F, its exact P value, the decision at the level, the group
// effects, the grand mean, the common variance and the group means.
// run() is the whole program on the given streams; it returns the exit status.
#ifndef ANOVAF_ANOVAF_H
#define ANOVAF_ANOVAF_H

#include "anovaf/state.h"
#include "console/console.h"

namespace anovaf {

int run(const con::Io& io);

// Dialogue and echo: fills the group data and the level.
void input_(con::Console& c, State& st);

// The report, after statis_ and test_.
void kekka_(con::Console& c, const State& st);

}  // namespace anovaf

#endif  // ANOVAF_ANOVAF_H
