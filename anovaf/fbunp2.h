// Upper tail of the F distribution with integer degrees of freedom, by the
// finite series that exists for integer m and n (regularised incomplete beta
// I_x(n/2, m/2) with x = n / (n + m F)).
// Start values depend on the parities of m and n; zenka_ then runs the two
// recurrences. A NaN beta argument (NaN F, 0/0) is returned at once.
#ifndef ANOVAF_FBUNP2_H
#define ANOVAF_FBUNP2_H

#include <cstdint>

#include "anovaf/state.h"

namespace anovaf {

// P = Pr(F(m, n) > f). The degrees of freedom are 64-bit so that K - 1 and
// NT - K of any typed K and NT fit; w receives the scratch values.
void fbunp2_(int64_t m, int64_t n, float f, float& p, FTail& w);

// The two recurrences: u - 1 steps adding the numerator terms to p, then v - 1
// steps subtracting the denominator terms. p and t are updated in place and
// rounded to single after each recurrence; out receives the final p.
void zenka_(int64_t m, float x, int64_t u, int64_t v, float& p, float& t, int32_t i0, int32_t j0,
            float& out);

}  // namespace anovaf

#endif  // ANOVAF_FBUNP2_H
