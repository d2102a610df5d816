// Upper tails of the reference laws at unit variance. Each law's argument is
// scaled to its standard form and rounded to single, intermediates are carried
// in double with the single roundings written below, and the tail is rounded
// once to single. The constant roots are taken in double and rounded to single
// as stored. An infinite argument reaches an exponential (or the normal tail)
// and gives the NaN of an invalid operation. Qn below is the standard normal
// upper tail, common::normal_upper_tail.
#include <cmath>

#include "common/constants.h"
#include "common/invalid_nan.h"
#include "common/normal_tail.h"
#include "distsearch/state.h"

namespace distsearch {

namespace {

// Where the outlier mixtures step: 3/1.1564, on the scale of x itself.
constexpr float kOutlierStep = 2.5942581f;

// The normal part of weight 0.98 on the scale u = x sqrt(2891)/50 and a step
// of 0.02 at `step`, tested on x: 0.98 Qn(u) above the step, 1 - 0.98 (1 -
// Qn(u)) at or below it (and for a NaN, which then gives a NaN).
float outlier_mixture_tail(float x, float step) {
  const float root2891 = single_precision_root(2891.0f);
  const float u = static_cast<float>(static_cast<double>(x) * static_cast<double>(root2891) /
                                     static_cast<double>(50.0f));
  const float normal = common::normal_upper_tail(u);
  const double weight = static_cast<double>(0.98f);
  if (x > step) {
    return static_cast<float>(static_cast<double>(normal) * weight);
  }
  return static_cast<float>(1.0 - (1.0 - static_cast<double>(normal)) * weight);
}

}  // namespace

// Q(x) = 0.95 Qn(x sqrt7/sqrt5) + 0.05 Qn(x sqrt7/sqrt45): the mixture of a
// main normal part (weight 0.95, variance 1) and a wide one (weight 0.05,
// variance 9), divided by sqrt(1.4) to unit variance. Both normal arguments
// are rounded to single before the normal tail is taken.
float normal_mixture_tail(float x) {
  const float root7 = single_precision_root(7.0f);
  const float root5 = single_precision_root(5.0f);
  const float root45 = single_precision_root(45.0f);
  const double v = static_cast<double>(x) * static_cast<double>(root7);
  const float main_argument = static_cast<float>(v / static_cast<double>(root5));
  const float wide_argument = static_cast<float>(v / static_cast<double>(root45));
  const float main_tail = common::normal_upper_tail(main_argument);
  const float wide_tail = common::normal_upper_tail(wide_argument);
  return static_cast<float>(static_cast<double>(main_tail) * static_cast<double>(0.95f) +
                            static_cast<double>(wide_tail) * static_cast<double>(0.05f));
}

// The argument times pi/sqrt(3), rounded to single, into the unit logistic.
float logistic_tail(float x) {
  const float root3 = single_precision_root(3.0f);
  const float u = static_cast<float>(static_cast<double>(common::kPi) * static_cast<double>(x) /
                                     static_cast<double>(root3));
  return unit_logistic_tail(u);
}

// exp(-u) rounded to single, then 1 - 1/(1 + e) in double.
float unit_logistic_tail(float u) {
  const float e = static_cast<float>(exp_with_nan_at_infinity(-static_cast<double>(u)));
  return static_cast<float>(1.0 - 1.0 / (1.0 + static_cast<double>(e)));
}

// The argument times sqrt(2), rounded to single, into the unit double
// exponential.
float double_exponential_tail(float x) {
  const float root2 = single_precision_root(2.0f);
  const float u = static_cast<float>(static_cast<double>(x) * static_cast<double>(root2));
  return unit_double_exponential_tail(u);
}

// Each exponential rounded to single before it is halved.
float unit_double_exponential_tail(float u) {
  const double du = static_cast<double>(u);
  if (du > 0.0 || std::isnan(du)) {
    const float e = static_cast<float>(exp_with_nan_at_infinity(-du));
    return static_cast<float>(0.5 * static_cast<double>(e));
  }
  const float e = static_cast<float>(exp_with_nan_at_infinity(du));
  return static_cast<float>(1.0 - 0.5 * static_cast<double>(e));
}

float large_outlier_mixture_tail(float x) { return outlier_mixture_tail(x, kOutlierStep); }

float small_outlier_mixture_tail(float x) { return outlier_mixture_tail(x, -kOutlierStep); }

// Below -1 no exponential is taken; a NaN takes the second branch and gives a
// NaN, +Inf gives a NaN like the other laws, -Inf gives 1.
float exponential_tail(float x) {
  if (x < -1.0f) return 1.0f;
  return static_cast<float>(exp_with_nan_at_infinity(-static_cast<double>(x) - 1.0));
}

double exp_with_nan_at_infinity(double v) {
  if (std::isinf(v)) return common::invalid_nan();
  return std::exp(v);
}

}  // namespace distsearch
