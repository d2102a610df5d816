// Nonparametric multiple comparisons of several groups: a rank-sum test for
// every pair at a simultaneous level, with the critical value from the range
// of normal variables, and simultaneous intervals for the pairwise shifts.
// run() is one whole dialogue and report on the given streams; it returns the
// exit status.
#ifndef MULTICOMP_MULTICOMP_H
#define MULTICOMP_MULTICOMP_H

#include "console/console.h"

namespace multicomp {

int run(const con::Io& io);

}  // namespace multicomp

#endif  // MULTICOMP_MULTICOMP_H
