// The anovaf program: one data set per run, in a fixed order: the dialogue,
// the sums of squares and F, the P value, the report. The run state is made
// fresh for every run, so repeated runs in one process never share data.
// Refusals of data beyond the storage come from the dialogue and stop the run
// with the output printed so far.
#include "anovaf/anovaf.h"

#include <memory>

#include "anovaf/statis.h"

namespace anovaf {

int run(const con::Io& io) {
  return con::run_program(io, [](con::Console& c) {
    auto st = std::make_unique<State>();
    input_(c, *st);
    statis_(*st);
    test_(*st);
    kekka_(c, *st);
  });
}

}  // namespace anovaf
