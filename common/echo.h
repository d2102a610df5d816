// Echo printers: a vector written a fixed number of values to a record, each
// value as `lead` blanks and a right-aligned Fw.d field. n/per full records,
// then, when n - per*(n/per) is not zero, one record with the rest (none of
// them when that rest is negative: n = -3 prints one empty record).
#ifndef COMMON_ECHO_H
#define COMMON_ECHO_H

#include <cstdint>

#include "console/console.h"

namespace common {

void echo_rows(con::Console& c, const float* a, int32_t n, int per, int lead, int w, int d);

// The shared echo printer: five values a record in (5(2X,F11.5)).
void echo_five_per_line(con::Console& c, const float* a, int32_t n);

}  // namespace common

#endif  // COMMON_ECHO_H
