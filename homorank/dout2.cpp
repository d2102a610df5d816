// dout2_: prints A(1..N) five values to a record, each as two blanks and a
// right-aligned F9.2 field; N/5 full records, then one with the rest when
// N - 5(N/5) is not zero. N = 0 prints nothing.
#include "common/echo.h"
#include "homorank/homorank.h"

namespace homorank {

void dout2_(con::Console& c, const float* a, int32_t n) { common::echo_rows(c, a, n, 5, 2, 9, 2); }

}  // namespace homorank
