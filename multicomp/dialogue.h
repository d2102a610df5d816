// The comparison program's dialogue and printers: the group data and level,
// the echo ten values to a line, the title block and the two level lines;
// dout_ prints reals in (10(1X,F6.2)), dout2_ integers in (10(1X,"&",1X,I3)).
// Sizes above 50 or more than 10 groups are refused right after their read.
// Nothing else is checked here.
#ifndef MULTICOMP_DIALOGUE_H
#define MULTICOMP_DIALOGUE_H

#include <cstdint>

#include "console/console.h"
#include "multicomp/state.h"

namespace multicomp {

void input_(con::Console& c, State& st);
void dout_(con::Console& c, const float* a, int32_t n);
void dout2_(con::Console& c, const int32_t* ia, int32_t n);

}  // namespace multicomp

#endif  // MULTICOMP_DIALOGUE_H
