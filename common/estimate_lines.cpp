// Report lines of the point estimates.
#include "common/estimate_lines.h"

#include "console/cp932.h"
#include "console/format.h"

namespace common {

void group_estimate_line(con::Console& c, int64_t group, std::string_view label, float value) {
  static const std::string kOrdinalPrefix = con::to_cp932("第");  // "No." before the group number
  c.put_line(con::Record()
                 .a(kOrdinalPrefix, 5)
                 .i(group, 5)
                 .a(label, 25)
                 .x(2)
                 .f(static_cast<double>(value), 10, 5));
}

void overall_estimate_line(con::Console& c, std::string_view label, float value) {
  c.put_line(con::Record().a(label, 20).x(2).f(static_cast<double>(value), 10, 5));
}

}  // namespace common
