// The run state of trendrank, made fresh for every run, and the stages and
// computations that fill it, in the order the run calls them: input, the
// statistics and P values of the two tests, their decisions, the estimates,
// the report. Arrays are 0-based: element [i] belongs to group i+1.
// The numeric routines (isotonic_fit, smallest_block_average,
// weighted_block_average, arrangement_sums, normalized_statistics,
// normal_deviate_pair) take their inputs as arguments and neither print nor
// stop.
#ifndef TRENDRANK_STATE_H
#define TRENDRANK_STATE_H

#include <cstdint>

#include "common/decision.h"
#include "common/group_data.h"
#include "common/uniform_generator.h"
#include "console/console.h"

namespace trendrank {

constexpr int kLargestGroup = 100;   // observations in one group
constexpr int kLargestTotal = 1000;  // observations in all

// One of the two tests: the trend test (homogeneity against an increasing
// trend) or the departure test (homogeneity against a departure from it).
struct RankTest {
  float statistic = 0.0f;   // the trend or departure sum of the observed ranks
  float normalized = 0.0f;  // the statistic over the spread of the ranks (normalized_statistics)
  float p_at_least = 0.0f;  // share of repeats at or above the observed value
  float p_above = 0.0f;     // share of repeats above it (equal to p_at_least when simulated)
  common::Decision decision;
};

// A value of each test for one arrangement: the trend part and the departure part.
struct TrendAndDeparture {
  float trend = 0.0f;
  float departure = 0.0f;
};

// The mean ranks of one arrangement, their isotonic fit and the two sums of
// squares formed from them.
struct ArrangementFit {
  float mean_ranks[common::kMaxGroups] = {};
  float fitted[common::kMaxGroups] = {};
  TrendAndDeparture sums;
};

// Two independent standard normal deviates.
struct NormalPair {
  float first = 0.0f;
  float second = 0.0f;
};

struct State {
  common::GroupData data;   // the groups as typed, and the level
  float grand_mean = 0.0f;  // the arithmetic mean of all observations

  float group_weights[common::kMaxGroups] = {};  // the group sizes as single values
  float pooled[kLargestTotal] = {};              // the observations of all groups, in group order
  float ranks[kLargestTotal] = {};  // their mid-ranks (rearranged in place by the repeats)

  RankTest trend;      // homogeneity against an increasing trend
  RankTest departure;  // homogeneity against a departure from the trend

  float raw_effects[common::kMaxGroups] = {};          // Hodges-Lehmann effects
  float smoothed_effects[common::kMaxGroups] = {};     // their isotonic fit
  float centre = 0.0f;                                 // the rank estimate of the overall centre
  float symmetric_locations[common::kMaxGroups] = {};  // centre + smoothed effect
  float general_locations[common::kMaxGroups] = {};    // grand mean + smoothed effect

  common::UniformGenerator permutation_generator;     // the rearrangements, then both decisions
  common::NonzeroUniformGenerator deviate_generator;  // normal deviates of the simulation
};

// Input: the dialogue with its echo of every group; fills data. Refuses, after
// the echo, a group with no observation (a size of 0 or below), before any
// rank is formed.
void read_input(con::Console& c, State& state);

// The weighted average of y over positions i..j (1-based, inclusive) with
// weights w, in double.
double weighted_block_average(int32_t i, int32_t j, const float* y, const float* w);

// The smallest weighted average of y over the blocks i..j, j = i..k, starting
// from y(i) and keeping the first one found on ties.
double smallest_block_average(int32_t i, int32_t k, const float* y, const float* w);

// The weighted non-decreasing isotonic fit of y(1..k) with weights w into
// fit(1..k). Every fitted value is written, also when an average is NaN; k <= 0
// writes nothing.
void isotonic_fit(int32_t k, const float* y, const float* w, float* fit);

// For one arrangement of the ranks r(1..n) over the groups of `data`: the
// mean rank of every group, their isotonic fit weighted by `weights`, and the
// sums over the groups of size * (fit - c)^2 (the trend sum) and of
// size * (mean rank - fit)^2 (the departure sum), c = (n+1)/2.
ArrangementFit arrangement_sums(const common::GroupData& data, const float* weights, const float* r,
                                int32_t n);

// Both sums multiplied by n - 1 and divided by the sum of (r - (n+1)/2)^2 over
// the ranks r(1..n); NaN (sign bit set) when every rank is tied.
TrendAndDeparture normalized_statistics(const float* r, int32_t n, TrendAndDeparture sums);

// Two standard normal deviates from the next two draws of gen.
NormalPair normal_deviate_pair(common::NonzeroUniformGenerator& gen);

// Pools and ranks the observations and fills group_weights, then the observed
// statistics of both tests and their P values: from 9999 rearrangements of
// the ranks by the permutation generator, or, when every group holds at least
// 30 observations, from 9999 simulations of the limiting law by the deviate
// generator.
void statistics_and_p_values(State& state);

// The randomized decisions at the level, the trend test first and then the
// departure test, each drawing from the permutation generator (after the
// rearrangements) only when its level falls between its two P values.
void decide_both_tests(State& state);

// The Hodges-Lehmann raw effects, their isotonic fit weighted by
// group_weights, the centre, the grand mean, and the location estimates of
// every group around the centre and around the grand mean.
void estimate_effects_and_locations(State& state);

// One unlabelled line per group: weight, raw effect, smoothed effect (the
// first lines of the report).
void write_effect_trace(con::Console& c, const State& state);

// The report: the effect lines, the title, both tests (statistic, normalized
// statistic, P value or the range of its two versions, decision), then the
// estimates for symmetric distributions and for any distribution.
void write_report(con::Console& c, const State& state);

}  // namespace trendrank

#endif  // TRENDRANK_STATE_H
