// The run state of the comparison program and the declarations of its stages
// and computations. Limits: 10 groups of at most 50 observations.
#ifndef MULTICOMP_STATE_H
#define MULTICOMP_STATE_H

#include <cstdint>
#include <functional>

#include "common/group_data.h"
#include "console/console.h"
#include "numlib/library.h"

namespace multicomp {

constexpr int kLargestGroup = 50;                               // observations a group
constexpr int kLargestPair = 2 * kLargestGroup;                 // observations of a pair of groups
constexpr int kMaxDifferences = kLargestGroup * kLargestGroup;  // differences of a pair

// Tolerance of the percent point's bisection and of its quadrature: 1e-8 as
// stored in single precision, widened (9.99999993922529e-09).
constexpr double kPercentPointTolerance = static_cast<double>(1.0e-8f);

// The state of one run, made fresh for every run.
struct State {
  common::GroupData data;      // groups, sizes, observations and level
  double percent_point = 0.0;  // upper alpha point of the range law, three decimals
  numlib::Library quadrature;  // tables and message state of the integration library
};

// ---- Input stage (input.cpp) ----

// Echo printer of the dialogue: a group's observations ten to a line, each
// as one blank and F6.2 (a rest of n - 10 (n/10) that is not zero gives one
// more line; a negative rest gives an empty one).
void echo_ten_per_line(con::Console& c, const float* a, int32_t n);

// The dialogue (group count, sizes, observations, level) with the echo of
// every group, the title and the two lines stating the level and the
// confidence coefficient. Fewer than 1 or more than 10 groups, a size above 50
// and a level outside [0, 1] are refused right after their read; with two or
// more groups, a group of no observation (size 0 or negative) is refused after
// the level lines, before any result.
void read_input(con::Console& c, State& state);

// ---- Normal distribution (normal_distribution.cpp) ----

// The standard normal density exp(-0.5 x x) / sqrt(2 pi) in double; an
// overflowing 0.5 x x gives 0.
double standard_normal_density(double x);

// The standard normal distribution function Phi(x) in double by continued
// fractions of 28 levels: the central form for |x| <= 3, the tail form beyond
// (and for NaN). NaN gives NaN.
double standard_normal_distribution(double x);

// ---- Root of an increasing function (root_by_bisection.cpp) ----

using IncreasingFunction = std::function<double(double)>;

// The root of an increasing function f by bisection: the first whole number
// from 1 up (at most 200; 200 when none) where f is not negative brackets the
// root with the number below it; the unit bracket is halved until its width
// is at most the tolerance, and the last midpoint evaluated is the result.
// NaN counts as negative. A zero tolerance still ends.
double root_by_bisection(const IncreasingFunction& f, double tolerance);

// ---- Distribution of the range (range_distribution.cpp) ----

// The law of the largest standardised difference among normal groups (the
// asymptotic law of the pairwise rank sums): the groups' weights and the
// tolerance of the quadrature.
struct RangeLaw {
  int32_t groups = 0;
  double weights[common::kMaxGroups] = {};
  double tolerance = 0.0;
};

// The law for `groups` groups of equal weight: every weight 1/groups (none
// when groups <= 0), the tolerance kPercentPointTolerance.
RangeLaw equal_weights_range_law(int32_t groups);

// The integrand of the distribution function at x, at the point z:
// sum_i phi(z) prod_{j != i} [Phi(z t_ij) - Phi(z t_ij - x w_ij)] with
// t_ij = sqrt(l_j / l_i), w_ij = sqrt((l_i + l_j) / l_i), l_i the weight of
// group i, phi and Phi the standard normal density and distribution function.
// 0 when law.groups <= 0.
double range_integrand(const RangeLaw& law, double x, double z);

// The distribution function of the law at x: the integral of the integrand
// over the real line by the library's quadrature (absolute and relative
// tolerance law.tolerance, 20 to 645 evaluations).
double range_distribution(numlib::Library& lib, const RangeLaw& law, double x);

// ---- Percent point (percent_point.cpp) ----

// The upper alpha point of the law for `groups` groups of equal weight: the
// root of range_distribution(x) = 1 - alpha by root_by_bisection, rounded to
// three decimals (halves away from zero). groups <= 0 gives 200.000 (the
// equation never reaches 0), a single group 0.000; so does a level of 1 or
// more.
double range_percent_point(numlib::Library& lib, int32_t groups, float alpha);

// ---- Pairwise comparison (pairwise_comparison.cpp) ----

// The results of comparing one pair of groups.
struct PairComparison {
  double statistic = 0.0;       // TR: rank sum of the first group minus its null mean
  float critical_value = 0.0f;  // null deviation times the percent point, in single
  bool rejected = false;        // |TR| above the critical value
  float lower_limit = 0.0f;     // the simultaneous interval for the shift:
  float upper_limit = 0.0f;     //   its ends, two of the sorted differences
};

// The n1 * n2 differences of a pair held as the first group's n1 values
// followed by the second group's n2, first minus second with the first group
// outer, each formed in double and rounded to single, into differences,
// sorted ascending.
void sorted_pair_differences(const float* pair, int32_t n1, int32_t n2, float* differences);

// Compares groups first and second (numbered from 1; n1 and n2 observations,
// each 1 to 50) at the percent point. TR is the sum of the first group's
// mid-ranks within the pair, each rounded half up, less n1(n1+n2+1)/2; the
// critical value is sqrt(n1 n2 (n1+n2+1)/12), stored in single, times the
// percent point. With trimmed = trunc(single(n1 n2 / 2 - the unrounded
// critical value)), the interval runs from the (trimmed+1)-th to the
// (n1 n2 - trimmed)-th of the n1 n2 sorted differences, both held to 1..n1 n2.
PairComparison compare_pair(const common::GroupData& data, int32_t first, int32_t second,
                            double percent_point);

// ---- Report (report.cpp) ----

// The block of one pair: its number, the groups, the test at the level with
// TR, the critical value and the decision, and the interval at the
// confidence coefficient 1 - alpha.
void write_pair_comparison(con::Console& c, int32_t pair_number, int32_t first, int32_t second,
                           float alpha, const PairComparison& result);

// The report: the percent-point line, then every pair (1, 2), (1, 3), ... up
// to the last two groups, compared and written in turn. Every group must hold
// at least one observation when there are two or more groups.
void write_report(con::Console& c, const State& state);

}  // namespace multicomp

#endif  // MULTICOMP_STATE_H
