// The run state of distsearch and the declarations of its stages and
// computations. The input stage fills the data set; the computations add the
// group means, the pooled residuals, their mean absolute value, one fitted
// scale and one distance per reference law, and the closest law; the report
// only reads the state.
#ifndef DISTSEARCH_STATE_H
#define DISTSEARCH_STATE_H

#include <cmath>
#include <cstdint>

#include "common/group_data.h"
#include "common/residuals.h"
#include "console/console.h"

namespace distsearch {

constexpr int kLargestGroup = 1000;  // largest group (the dialogue refuses more)

// The seven reference laws, in the order of the report and of the ties of the
// choice. Each is taken at mean 0 and unit variance before it is scaled.
enum Law : int {
  kNormal,               // the standard normal
  kNormalMixture,        // 0.95 N(0,1) + 0.05 N(0,9)
  kLogistic,             // the logistic law
  kDoubleExponential,    // the double exponential (Laplace) law
  kLargeOutlierMixture,  // a normal law with 2 per cent large outliers
  kSmallOutlierMixture,  // a normal law with 2 per cent small outliers
  kExponential,          // the standard exponential shifted to mean 0
  kLawCount
};

struct State {
  common::GroupData data;               // the data set as typed
  common::Residuals residuals;          // group means, pooled residuals, sorted
  float mean_absolute_residual = 0.0f;  // mean of |residual|
  float scale[kLawCount] = {};          // fitted scale of each law
  float distance[kLawCount] = {};       // distance to each law
  Law closest = kNormal;                // the law of least distance
};

// --- Stages ---

// The heading, an empty line, the group-data dialogue with this program's
// texts (no level; at most 10 groups of 1000) and the echo of every group,
// into state.data. What the storage cannot hold is refused right after the
// read that brought it; a group of fewer than two observations is refused
// after the echo (status 8), so every later stage sees groups of two or more.
void read_input(con::Console& c, State& state);

// The echo of the residuals in pooling order under their heading, the rule
// and title of the search, one line per law with its distance, and the name
// of the closest law. Computes nothing.
void write_report(con::Console& c, const State& state);

// --- Computations ---

// The mean of |z[0..n-1]|, each |z| divided by n before it is added; 0 when
// n <= 0, a NaN when some z is a NaN.
float mean_absolute_residual(const float* z, int32_t n);

// The scale of each law fitted to the mean absolute residual: that mean over
// the mean absolute value of the law at unit variance. The two outlier
// mixtures share one value. A NaN mean gives NaN scales.
void fit_law_scales(float mean_absolute, float scale[kLawCount]);

// The Kolmogorov-Smirnov distance of the ascending residuals z[0..n-1],
// divided by the scale s, from the law: the largest gap between the law's
// distribution function and the empirical one, in [0, 1]. 0 when n <= 0 and
// when every scaled residual is a NaN or infinite.
float distance_to_law(Law law, const float* z, int32_t n, float s);

// distance[law] = distance_to_law(law, z, n, scale[law]) for every law, in
// the order of the enumeration.
void distances_to_every_law(const float* z, int32_t n, const float scale[kLawCount],
                            float distance[kLawCount]);

// The law of least distance: the distances are compared rounded to five
// decimals (half away from zero), ties go to the earlier law, so all-zero
// distances name the normal law.
Law closest_law(const float distance[kLawCount]);

// --- Reference tails ---
// Upper tails Q(x) = Pr(Y > x), Y following the law, of the reference laws at
// unit variance (the normal one is common::normal_upper_tail), single-precision
// argument and result. A NaN argument gives a NaN, and so does an infinite
// one, except that the exponential tail is exactly 1 at -Inf.

// 0.95 N(0,1) + 0.05 N(0,9), scaled to unit variance.
float normal_mixture_tail(float x);
// The logistic law of scale sqrt(3)/pi.
float logistic_tail(float x);
// The logistic law of scale 1: 1 - 1/(1 + exp(-u)); exactly 0 for a large
// positive u and exactly 1 for a large negative one.
float unit_logistic_tail(float u);
// The double exponential law of scale 1/sqrt(2).
float double_exponential_tail(float x);
// The double exponential law of scale 1: 0.5 exp(-u) above 0 (and for a NaN),
// 1 - 0.5 exp(u) at or below 0.
float unit_double_exponential_tail(float u);
// The normal mixture of weight 0.98 with a step of 0.02 at +2.5942581.
float large_outlier_mixture_tail(float x);
// The normal mixture of weight 0.98 with a step of 0.02 at -2.5942581.
float small_outlier_mixture_tail(float x);
// The standard exponential minus 1: exactly 1 below -1, exp(-x - 1) from -1 on.
float exponential_tail(float x);

// e to the power v in double; an infinite v gives the NaN of an invalid
// operation (sign bit set), as the exponential inside the normal tail does, so
// that every law treats an infinite scaled residual alike. A NaN v is returned
// as it is.
double exp_with_nan_at_infinity(double v);

// The square root of v taken in double and rounded to single: the form in
// which the search stores every constant root.
inline float single_precision_root(float v) {
  return static_cast<float>(std::sqrt(static_cast<double>(v)));
}

}  // namespace distsearch

#endif  // DISTSEARCH_STATE_H
