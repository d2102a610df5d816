// The randomized decisions of both tests at the user's level, drawn from the
// permutation generator after its rearrangements: the trend test first, then
// the departure test. A test whose level does not fall between its two P
// values draws nothing.
#include "common/decision.h"
#include "trendrank/state.h"

namespace trendrank {

void decide_both_tests(State& state) {
  const float alpha = state.data.alpha;
  state.trend.decision = common::randomized_decision(state.trend.p_at_least, state.trend.p_above,
                                                     alpha, state.permutation_generator);
  state.departure.decision = common::randomized_decision(
      state.departure.p_at_least, state.departure.p_above, alpha, state.permutation_generator);
}

}  // namespace trendrank
