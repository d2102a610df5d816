// The randomized decisions of both tests at the user's level, drawn from the
// permutation generator after its rearrangements: the trend test first, then
// the departure test. A test whose level does not fall between its two P
// values draws nothing.
#include "common/decision.h"
#include "trendrank/state.h"

namespace trendrank {

void decide_both_tests(State& st) {
  const float alpha = st.data.alpha;
  st.trend.decision = common::randomized_decision(st.trend.p_at_least, st.trend.p_above, alpha,
                                                  st.permutation_generator);
  st.departure.decision = common::randomized_decision(st.departure.p_at_least, st.departure.p_above,
                                                      alpha, st.permutation_generator);
}

}  // namespace trendrank
