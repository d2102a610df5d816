// The run state of the homogeneity test and the routines of its stages: the
// input, the Kruskal-Wallis test, the rank estimates, the decision and the
// report. One State is made fresh for every run, so nothing survives from one
// data set to the next. Arrays are 0-based: element [i] belongs to group i+1.
#ifndef HOMORANK_STATE_H
#define HOMORANK_STATE_H

#include <cstdint>

#include "common/decision.h"
#include "common/group_data.h"
#include "common/uniform_generator.h"
#include "console/console.h"

namespace homorank {

constexpr int kLargestGroup = 100;   // largest group (the dialogue refuses more)
constexpr int kLargestTotal = 1000;  // 10 groups of 100

// The two P values of the test: the probability of a statistic at least the
// observed one, and of one above it. The chi-square law gives them equal; the
// rearrangements may leave a range between them.
struct PValues {
  float at_least = 0.0f;
  float above = 0.0f;
};

// The outcome of the Kruskal-Wallis test on the observed ranks of the n
// observations.
struct HomogeneityTest {
  float mean_ranks[common::kMaxGroups] = {};  // each group's mean rank, stored in single
  float statistic = 0.0f;                     // TR: sum of size * (mean rank - (n+1)/2)^2
  float normalized = 0.0f;                    // H: TR with the tie correction
  PValues p;
};

// The rank estimates of the group effects and locations.
struct LocationEstimates {
  float effects[common::kMaxGroups] = {};  // each group's effect (no smoothing)
  // Assuming a symmetric distribution: the centre (median of the Walsh
  // averages of the residuals about the effects) and centre + effect(i).
  float centre = 0.0f;
  float locations[common::kMaxGroups] = {};
  // Assuming no symmetry: the grand mean of all observations and
  // grand mean + effect(i).
  float grand_mean = 0.0f;
  float mean_locations[common::kMaxGroups] = {};
};

struct State {
  common::GroupData data;           // the groups as typed, and the level
  float ranks[kLargestTotal] = {};  // mid-ranks of the pooled observations
  HomogeneityTest test;
  LocationEstimates estimates;
  common::Decision decision;           // at the level, drawn after the rearrangements
  common::UniformGenerator generator;  // the rearrangements, then the decision
};

// The input stage: the group-data dialogue with this program's texts and the
// echo of every group, five values a line. Refuses a group of no observation
// (a size of 0 or below) after the echo: the mean ranks divide by every size.
void read_input(con::Console& c, State& state);

// The test stage: pools the observations in group order, gives them mid-ranks
// (state.ranks) and fills state.test. The P values come from the chi-square
// law when every group holds at least 30 observations, otherwise from
// rearrangements of the ranks drawn from state.generator. Prints nothing.
void test_homogeneity(State& state);

// The Kruskal-Wallis statistic TR of one arrangement of ranks[0..n-1], taken
// group by group in the sizes of `data`: the sum over the groups of
// size * (mean rank - (n+1)/2)^2, stored in single after each group. Writes
// each group's mean rank, stored in single, into mean_ranks (one per group).
float kruskal_wallis_statistic(const common::GroupData& data, const float* ranks, int32_t n,
                               float* mean_ranks);

// H, the statistic with the tie correction: TR (n-1) divided by the sum of
// (rank - (n+1)/2)^2 over ranks[0..n-1]. Equal ranks give the NaN of 0/0.
float kruskal_wallis_normalized(const float* ranks, int32_t n, float statistic);

// The large-sample P value of H: the chi-square upper tail with
// group_count - 1 degrees of freedom. group_count is at least 1 (the input
// refuses fewer); a single group takes the series with no terms.
float kruskal_wallis_chi_square_p(int32_t group_count, float normalized);

// The randomization P values: 9999 rounds on a copy of ranks[0..n-1], each
// filling the positions after the first group by a partial shuffle drawn from
// `generator` (every round goes on from the order the last one left), its TR
// compared with `observed` to four decimals. ranks is not changed.
PValues kruskal_wallis_permutation_p(const common::GroupData& data, const float* ranks, int32_t n,
                                     float observed, common::UniformGenerator& generator);

// The estimate stage: the rank estimates of the effects, the centre and the
// locations of `data`, and the grand mean with the locations about it.
LocationEstimates estimate_group_locations(const common::GroupData& data);

// The decision stage, after the test: the randomized decision at the level
// into state.decision, drawing from state.generator (after the
// rearrangements) only when the level falls between the two P values.
void decide_homogeneity(State& state);

// The report stage, after the echo: the ranks, the mean ranks and TR, then the
// title, TR, H, the P value or range, the decision lines and the estimates.
void write_report(con::Console& c, const State& state);

// The ranks[0..n-1] five a record in (5(2X,F9.2)): n/5 full records, then one
// with the rest when there is one.
void write_rank_rows(con::Console& c, const float* ranks, int32_t n);

}  // namespace homorank

#endif  // HOMORANK_STATE_H
