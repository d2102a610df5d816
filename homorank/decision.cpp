// The randomized decision of the homogeneity test at the user's level, drawn
// from the generator after the rearrangements of the test. A level that does
// not fall between the two P values draws nothing.
#include "common/decision.h"

#include "homorank/state.h"

namespace homorank {

void decide_homogeneity(State& state) {
  state.decision = common::randomized_decision(state.test.p.at_least, state.test.p.above,
                                               state.data.alpha, state.generator);
}

}  // namespace homorank
