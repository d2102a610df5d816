// homorank's run: the dialogue, the test, the estimates and the report, once,
// in this order, on a State made fresh for the run.
#include "homorank/homorank.h"

#include <memory>

namespace homorank {

int run(const con::Io& io) {
  return con::run_program(io, [](con::Console& c) {
    auto st = std::make_unique<State>();
    input_(c, *st);
    rtest_(c, *st);
    rest_(*st);
    kekka_(c, *st);
  });
}

}  // namespace homorank
