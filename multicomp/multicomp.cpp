// One run of the comparison program: the dialogue, then (with two or more
// groups) a refusal of any empty or negative group, then the comparisons.
// The integration library's condition lines, never switched on here, would
// go to standard output (unit 6) or standard error (unit 0).
#include "multicomp/multicomp.h"

#include <memory>

#include "common/dialogue.h"
#include "multicomp/dialogue.h"
#include "multicomp/rankt.h"
#include "multicomp/state.h"
#include "numlib/console_sink.h"

namespace multicomp {

int run(const con::Io& io) {
  return con::run_program(io, [&io](con::Console& c) {
    auto st = std::make_unique<State>();
    numlib::ConsoleSink sink(c, io.err);
    st->lib.sink = &sink;
    input_(c, *st);
    // A pair with an empty or negative group has no ranks, no differences and
    // no interval: refuse such data before the report.
    if (st->grp.ngroup >= 2) common::refuse_small_groups(c, st->grp, 1);
    rankt_(c, *st);
  });
}

}  // namespace multicomp
