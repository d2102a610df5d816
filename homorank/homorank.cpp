// homorank's run, stage by stage on a State made fresh for the run: the input,
// the test, the estimates, the decision (its draw follows the rearrangements
// of the test on the one generator) and the report.
#include "homorank/homorank.h"

#include <memory>

#include "homorank/state.h"

namespace homorank {

int run(const con::Io& io) {
  return con::run_program(io, [](con::Console& c) {
    auto state = std::make_unique<State>();
    read_input(c, *state);
    test_homogeneity(*state);
    state->estimates = estimate_group_locations(state->data);
    decide_homogeneity(*state);
    write_report(c, *state);
  });
}

}  // namespace homorank
