// Echo printers: `per` values a record, each as `lead` blanks and an Fw.d field.
#include "common/echo.h"

#include "console/format.h"

namespace common {

void echo_rows(con::Console& c, const float* a, int32_t n, int per, int lead, int w, int d) {
  int32_t full = n / per;
  int32_t rest = n - per * full;
  int32_t k = 0;
  for (int32_t r = 0; r < full; ++r) {
    con::Record rec;
    for (int v = 0; v < per; ++v) rec.x(lead).f(static_cast<double>(a[k++]), w, d);
    c.put_line(rec);
  }
  if (rest != 0) {
    // The last record holds max(rest, 0) values; a negative count still writes
    // the (empty) record.
    con::Record rec;
    for (int32_t v = 0; v < rest; ++v) rec.x(lead).f(static_cast<double>(a[k++]), w, d);
    c.put_line(rec);
  }
}

void echo_five_per_line(con::Console& c, const float* a, int32_t n) {
  echo_rows(c, a, n, 5, 2, 11, 5);
}

}  // namespace common
