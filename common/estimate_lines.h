// Report lines of the point estimates, shared by the trend program and the
// analysis of variance: a line per group in (A5,I5,A25,2X,F10.5) with "第",
// the group number, a label and the value, and a labelled overall value in
// (A20,2X,F10.5). Labels are code page 932 bytes; A fields pad on the left.
#ifndef COMMON_ESTIMATE_LINES_H
#define COMMON_ESTIMATE_LINES_H

#include <cstdint>
#include <string_view>

#include "console/console.h"

namespace common {

void group_estimate_line(con::Console& c, int64_t group, std::string_view label, float value);

void overall_estimate_line(con::Console& c, std::string_view label, float value);

}  // namespace common

#endif  // COMMON_ESTIMATE_LINES_H
