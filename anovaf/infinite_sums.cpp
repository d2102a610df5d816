// The refusal of sums of squares beyond single precision. Squared deviations
// that large make a sum infinite, and the F statistic and the verdict
// meaningless, so the data are refused before the report: the within-group
// sum is checked first, then the total.
#include <cmath>
#include <string>

#include "anovaf/state.h"

namespace anovaf {

namespace {

// Refuses when `sum` is infinite; `which` names the sum ("within-group",
// "total").
void refuse_infinite_sum(con::Console& c, float sum, const char* which) {
  if (std::isinf(sum)) {
    c.refuse("the " + std::string(which) +
             " sum of squares is Inf: the squared deviations of the data are beyond single "
             "precision");
  }
}

}  // namespace

void refuse_infinite_sums(con::Console& c, const State& state) {
  refuse_infinite_sum(c, state.within_sum_of_squares, "within-group");
  refuse_infinite_sum(c, state.total_sum_of_squares, "total");
}

}  // namespace anovaf
