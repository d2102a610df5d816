// The anovaf run: one data set, in a fixed order: the input, the means, the
// sums of squares and F, the refusal of sums beyond single precision, the
// P value, the effects and common variance, the report. The run state is made
// fresh for every run, so repeated runs in one process never share data.
// A refusal stops the run with the output printed so far.
#include "anovaf/anovaf.h"

#include <memory>

#include "anovaf/state.h"

namespace anovaf {

int run(const con::Io& io) {
  return con::run_program(io, [](con::Console& c) {
    auto state = std::make_unique<State>();
    read_input(c, *state);
    compute_group_and_grand_means(*state);
    compute_sums_of_squares(*state);
    refuse_infinite_sums(c, *state);
    state->p_value =
        f_upper_tail(between_groups_degrees_of_freedom(state->data),
                     within_groups_degrees_of_freedom(state->data), state->f_statistic);
    compute_effects_and_common_variance(*state);
    write_report(c, *state);
  });
}

}  // namespace anovaf
