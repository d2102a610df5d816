// The distribution-function filter: silent reading and the pooled sorted
// residuals, the normal fit, then the table; nothing else is written.
#include "cdfplot.h"

#include <memory>

#include "routines.h"
#include "state.h"

namespace cdfplot {

int run(const con::Io& io) {
  return con::run_program(io, [](con::Console& c) {
    auto st = std::make_unique<State>();
    input_(c, *st);
    statis_(st->inp2_, st->inp1_, st->mu, st->sigma);
    graph_(c, *st);
  });
}

}  // namespace cdfplot
