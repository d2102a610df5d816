// The run state of the one-way analysis of variance and the declarations of
// its stages: the input, the computations, the refusal of infinite sums and
// the report. One State is made fresh for every run, so nothing survives from
// one data set to the next.
#ifndef ANOVAF_STATE_H
#define ANOVAF_STATE_H

#include <cstdint>

#include "common/group_data.h"
#include "console/console.h"

namespace anovaf {

// Largest group this program stores (the dialogue refuses anything above it).
constexpr int kLargestGroup = 100;

struct State {
  // The groups as typed, and the level. K is the number of groups and NT the
  // sum of their sizes.
  common::GroupData data;
  float group_means[common::kMaxGroups] = {};    // mean of each group
  float grand_mean = 0.0f;                       // mean of all observations
  float within_sum_of_squares = 0.0f;            // squared deviations from the group means
  float total_sum_of_squares = 0.0f;             // squared deviations from the grand mean
  float between_sum_of_squares = 0.0f;           // total minus within, as reported
  float between_mean_square = 0.0f;              // between variation over K - 1
  float f_statistic = 0.0f;                      // between over within mean square
  float p_value = 0.0f;                          // Pr(F(K - 1, NT - K) > f_statistic)
  float group_effects[common::kMaxGroups] = {};  // group mean minus grand mean
  float common_variance = 0.0f;                  // within sum of squares over NT - K
};

// Input stage: the group-data dialogue with this program's texts and the echo
// of every group five values a line. Fewer than 1 or more than 10 groups, a
// size above kLargestGroup and a level outside [0, 1] are refused by the
// dialogue right after the read that brought them; a size below 1 after the
// echo. Fills state.data.
void read_input(con::Console& c, State& state);

// K - 1 and NT - K of the data as typed, in 64 bits so that they never
// overflow for any 32-bit K and NT.
int64_t between_groups_degrees_of_freedom(const common::GroupData& data);
int64_t within_groups_degrees_of_freedom(const common::GroupData& data);

// The group means and the grand mean of state.data. A group of size 0 gets
// the NaN of 0/0 as its mean, a negative size -0; the grand mean of no
// observation (K <= 0) is NaN. Nothing here prints, refuses or stops.
void compute_group_and_grand_means(State& state);

// From the means: the within, total and between sums of squares, the between
// mean square and the F statistic. Degenerate data give the IEEE results of
// the divisions (NaN F when every group holds one observation or all are
// equal, a non-finite F for a single group); sums beyond single precision come
// out infinite, for refuse_infinite_sums to refuse.
void compute_sums_of_squares(State& state);

// The refusal stage, after the sums of squares: refuses (status 8, before any
// report line) a within-group or total sum of squares that came out infinite.
void refuse_infinite_sums(con::Console& c, const State& state);

// Each group's main effect (group mean minus grand mean) and the common
// variance (the within sum of squares over NT - K), after the sums of squares.
void compute_effects_and_common_variance(State& state);

// Pr(F(m, n) > f) for integer degrees of freedom, by the finite series that
// exists for integer m and n. f = 0 gives 1; f = Inf gives 0, except for odd m
// and odd n (1.2514526e-08, from pi/2 rounded to single). A NaN beta argument
// (NaN f, or 0/0 when n = 0 and f m = 0) is returned at once. The degrees of
// freedom are 64-bit so that K - 1 and NT - K of any typed K and NT fit.
float f_upper_tail(int64_t m, int64_t n, float f);

// The beta argument of the F tail, n / (m f + n), formed in double and
// rounded to single.
float f_tail_beta_argument(int64_t m, int64_t n, float f);

// A point of the F tail series: the running probability and term, and the
// first divisors of the two recurrences (1 for an odd degree of freedom,
// 2 otherwise).
struct FTailSeries {
  float probability = 0.0f;
  float term = 0.0f;
  int32_t first_numerator_divisor = 0;    // by the parity of m
  int32_t first_denominator_divisor = 0;  // by the parity of n
};

// The start of the series at beta argument x, chosen by the parities of m and
// n. A negative odd degree of freedom (remainder -1 by 2) counts as even.
FTailSeries f_tail_start(int64_t m, int64_t n, float x);

// Runs the two recurrences from `start`: (m + 1) / 2 - 1 steps adding the
// numerator terms to the probability, then (n + 1) / 2 - 1 steps subtracting
// the denominator terms. Probability and term are rounded to single after
// each recurrence; returns the series at its end (the tail in probability).
FTailSeries f_tail_recurrences(const FTailSeries& start, int64_t m, int64_t n, float x);

// Report stage: a heading between asterisk lines, the within and total
// variation, the between variation, F, P, the level and the verdict (rejected
// when P <= level; a NaN P is not rejected), then each group's main effect,
// the grand mean, the common variance and the group means. Inf and NaN print
// as the fixed fields print them.
void write_report(con::Console& c, const State& state);

}  // namespace anovaf

#endif  // ANOVAF_STATE_H
