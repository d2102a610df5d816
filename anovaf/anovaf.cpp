// The anovaf program: one data set per run, in a fixed order: the dialogue,
// the sums of squares and F, the P value, the report. The run state is made
// fresh for every run, so repeated runs in one process never share data.
// Refusals of data beyond the storage or the method come from the dialogue
// and the checks below, and stop the run with the output printed so far.
#include "anovaf/anovaf.h"

#include <cmath>
#include <memory>
#include <string>

#include "anovaf/statis.h"

namespace anovaf {

int run(const con::Io& io) {
  return con::run_program(io, [](con::Console& c) {
    auto st = std::make_unique<State>();
    input_(c, *st);
    statis_(*st);
    // Squared deviations beyond the single-precision range make SW or ST
    // infinite, and the F statistic and verdict meaningless: refuse them
    // before the report.
    if (std::isinf(st->sw)) {
      c.refuse("the within-group sum of squares is Inf: the squared deviations of the data " +
               std::string("are beyond single precision"));
    }
    if (std::isinf(st->st)) {
      c.refuse("the total sum of squares is Inf: the squared deviations of the data " +
               std::string("are beyond single precision"));
    }
    test_(*st);
    kekka_(c, *st);
  });
}

}  // namespace anovaf
