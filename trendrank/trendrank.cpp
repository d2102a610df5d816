// The program: dialogue, test, estimation and report, once, in this order, on a
// fresh state. The program writes no closing text; the exit status is the
// console layer's (0 after a clean run, 8 after a refusal, 12 at end of input).
#include "trendrank.h"

#include <memory>

#include "state.h"

namespace trendrank {

int run(const con::Io& io) {
  return con::run_program(io, [](con::Console& c) {
    auto st = std::make_unique<State>();
    input_(c, *st);
    rtest_(*st);
    rest_(c, *st);
    kekka_(c, *st);
  });
}

}  // namespace trendrank
