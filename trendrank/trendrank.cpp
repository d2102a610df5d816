// The program: input, the two tests, their decisions, the estimates and the
// report, once, in this order, on a fresh state. The program writes no closing
// text; the exit status is the console layer's.
#include "trendrank/trendrank.h"

#include <memory>

#include "trendrank/state.h"

namespace trendrank {

int run(const con::Io& io) {
  return con::run_program(io, [](con::Console& c) {
    auto state = std::make_unique<State>();
    read_input(c, *state);
    statistics_and_p_values(*state);
    decide_both_tests(*state);
    estimate_effects_and_locations(*state);
    write_report(c, *state);
  });
}

}  // namespace trendrank
