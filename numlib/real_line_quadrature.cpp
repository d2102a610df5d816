// Double-exponential quadrature over (-inf, inf). Level 0 takes f(0) and
// eleven node pairs (every 32nd node of the finest grid), cutting each tail
// after two successive terms that are small against the running largest
// term. Then the step is halved up to five times, each halving adding the
// nodes between the previous ones, and tested for convergence, for an error
// estimate that stops improving, and for the rounding level. The tolerances
// are raised to an accuracy exponent chosen from the accuracy asked for, and
// the final error estimate to its inverse. Every working value is local to
// the call; the library keeps only its tables between calls.
#include "numlib/real_line_quadrature.h"

#include <cmath>
#include <cstdint>

#include "numlib/machine.h"
#include "numlib/messages.h"

namespace numlib {
namespace {

// Larger / smaller of two values; the first is kept unless the second
// compares strictly beyond it.
double larger_of(double a, double b) { return b > a ? b : a; }
double smaller_of(double a, double b) { return b < a ? b : a; }

constexpr ClassificationCode kQuadratureCode = {{'G', '2', ' ', ' '}, {'3', '-', ' ', ' '},
                                                {'3', '1', ' ', ' '}, {'-', '0', ' ', ' '},
                                                {'1', '0', ' ', ' '}, {'1', ' ', ' ', ' '}};

constexpr double kFinestStep = 0.002840909090909091;  // 1/352 of the t-range
constexpr double kLevel0Step = 0.09090909090909091;   // 1/11 of the t-range
constexpr int kNewtonCap = 100;  // the solve takes three steps; the cap only bounds it

void build_tables(Library& lib) {
  const double newton_tolerance = std::sqrt(kUnitRoundoff);
  // t_end solves 0.75 e^t + t = ln(kLargestUsable) - ln(0.375) (Newton's method).
  const double target = std::log(kLargestUsable) - std::log(0.375);
  double t = std::log(target * 1.3333333333333333);
  lib.newton_steps = 0;
  for (int step = 0; step < kNewtonCap; ++step) {
    const double e = std::exp(t);
    const double g = 0.75 * e + t - target;
    const double slope = 0.75 * e + 1.0;
    const double delta = g / slope;
    t = t - delta;
    ++lib.newton_steps;
    if (std::fabs(delta) <= newton_tolerance * t) break;
  }
  lib.t_end = t;
  const double finest_step = lib.t_end * kFinestStep;
  double c = 1.0;
  for (int32_t i = 1; i <= kTableLength; ++i, c += 1.0) {
    const double ti = c * finest_step;
    const double u = 1.5 * std::sinh(ti);
    lib.nodes[i] = std::sinh(u);
    lib.weights[i] = std::cosh(u) * std::cosh(ti);
  }
  lib.tables_built = true;
}

// One tail of level 0: the magnitude of its last term, its count of
// successive small terms, and the last node it keeps (0 until two successive
// terms were small).
struct Tail {
  double last_term = 0.0;
  int32_t small_count = 0;
  int32_t end = 0;
};

// The sum of level 0 over f(0) and both tails.
struct Level0 {
  double node_sum = 0.0;
  int32_t evaluations = 0;
  Tail left;
  Tail right;
};

// Level 0: f(0) and node pairs at index step 32, cutting each side after two
// successive terms that are small against the largest term so far. A side
// never cut ends at the last node.
Level0 sum_level0(const Library& lib, const Integrand& f, double absolute_tolerance,
                  double relative_tolerance) {
  Level0 sum;
  const double centre = f(0.0);
  sum.evaluations = 1;
  sum.node_sum = centre;
  double largest_term = std::fabs(centre);
  // The term of one side (sign -1 left, +1 right) at node j.
  auto add_term = [&](int32_t j, double sign, Tail& tail) {
    const double x = sign * lib.nodes[j];
    const double term = f(x) * lib.weights[j];
    sum.evaluations = sum.evaluations + 1;
    sum.node_sum = sum.node_sum + term;
    tail.last_term = std::fabs(term);
    largest_term = larger_of(largest_term, tail.last_term);
    const double small =
        smaller_of(larger_of(larger_of(absolute_tolerance, relative_tolerance * largest_term),
                             kUnitRoundoff * largest_term),
                   1.0e-4 * largest_term);
    if (tail.last_term <= small) {
      tail.small_count = tail.small_count + 1;
      if (tail.small_count >= 2) tail.end = j - 32;
    } else {
      tail.small_count = 0;
    }
  };
  for (int32_t j = 32; j <= kTableLength; j += 32) {
    if (sum.left.end > 0 && sum.right.end > 0) break;
    if (sum.left.end == 0) add_term(j, -1.0, sum.left);
    if (sum.right.end == 0) add_term(j, 1.0, sum.right);
  }
  if (sum.left.end == 0) sum.left.end = kTableLength;
  if (sum.right.end == 0) sum.right.end = kTableLength;
  return sum;
}

// The exponent the tolerances are raised to, from the accuracy asked for.
double accuracy_exponent(double accuracy) {
  if (accuracy >= 1.0e-4) return 1.0;
  if (accuracy >= 1.0e-5) return 0.9;
  if (accuracy >= 1.0e-10) return 0.8;
  return 0.75;
}

}  // namespace

QuadratureResult integrate_real_line(Library& lib, const Integrand& f, double absolute_tolerance,
                                     double relative_tolerance, int32_t min_evaluations,
                                     int32_t max_evaluations) {
  if (!lib.tables_built) build_tables(lib);

  QuadratureResult result;
  if (absolute_tolerance < 0.0 || relative_tolerance < 0.0 || min_evaluations > max_evaluations ||
      min_evaluations < 0) {
    result.condition = kBadArguments;
    write_condition_message(lib, result.condition, kQuadratureCode);
    return result;
  }

  const double level0_step = lib.t_end * kLevel0Step;
  const Level0 level0 = sum_level0(lib, f, absolute_tolerance, relative_tolerance);
  const double node_sum = level0.node_sum;
  const int32_t left_end = level0.left.end;
  const int32_t right_end = level0.right.end;
  int32_t evaluations = level0.evaluations;
  int32_t condition = kConverged;

  // A tail never small at level 0 sets the tolerances to its last term.
  double working_absolute_tolerance = absolute_tolerance;
  double working_relative_tolerance = relative_tolerance;
  if (level0.left.small_count == 0) {
    condition = condition + kLeftTailNotSmall;
    working_absolute_tolerance = level0.left.last_term;
    working_relative_tolerance = level0.left.last_term;
    if (std::fabs(node_sum) > kNegligible) {
      working_relative_tolerance = level0.left.last_term / std::fabs(node_sum);
    }
  }
  if (level0.right.small_count == 0) {
    condition = condition + kRightTailNotSmall;
    working_absolute_tolerance = larger_of(level0.right.last_term, working_absolute_tolerance);
    working_relative_tolerance = working_absolute_tolerance;
    if (std::fabs(node_sum) > kNegligible) {
      working_relative_tolerance = working_absolute_tolerance / std::fabs(node_sum);
    }
  }
  const double level0_integral = node_sum * level0_step * 1.5;

  // Accuracy exponent, from the accuracy asked for relative to level 0.
  double relative_asked = working_absolute_tolerance;
  if (std::fabs(level0_integral) > kNegligible) {
    relative_asked = working_absolute_tolerance / std::fabs(level0_integral);
  }
  const double exponent = accuracy_exponent(larger_of(relative_asked, working_relative_tolerance));
  const double inverse_exponent = 1.0 / exponent;
  const double rounding_level = std::pow(kUnitRoundoff, 0.75);
  working_absolute_tolerance = std::pow(working_absolute_tolerance, exponent);
  working_relative_tolerance = std::pow(working_relative_tolerance, exponent);

  // Halvings.
  const int32_t far_end = right_end > left_end ? right_end : left_end;
  int32_t index_step = 32;
  double step = level0_step;
  double previous_integral = level0_integral;
  double new_integral = level0_integral;
  double error_estimate = 0.0;
  double previous_error = 0.0;
  int32_t level = 1, growths = 0, halvings_left = 5;
  bool raise = true;  // whether the final error estimate is raised to the inverse exponent
  for (;;) {
    const int32_t half = index_step / 2;
    double new_sum = 0.0;
    for (int32_t j = half; j <= far_end; j += index_step) {
      if (j <= left_end) {
        new_sum = new_sum + f(-lib.nodes[j]) * lib.weights[j];
        evaluations = evaluations + 1;
      }
      if (j <= right_end) {
        new_sum = new_sum + f(lib.nodes[j]) * lib.weights[j];
        evaluations = evaluations + 1;
      }
    }
    new_integral = (previous_integral + 1.5 * step * new_sum) * 0.5;
    error_estimate = std::fabs(previous_integral - new_integral);
    if (evaluations >= min_evaluations) {
      if (error_estimate <= larger_of(working_relative_tolerance * std::fabs(new_integral),
                                      working_absolute_tolerance)) {
        if (condition != kConverged) {
          condition = condition + kAccuracyNotAssured;
        } else if (absolute_tolerance + relative_tolerance == 0.0) {
          condition = kAccuracyNotAssured;
        }
        break;
      }
      if (level >= 2) {
        if (error_estimate >= previous_error) {
          growths = growths + 1;
          if (growths >= 2 && level >= 3) {
            condition = condition + kAccuracyNotAssured;
            error_estimate = previous_error;
            break;
          }
        } else if (error_estimate < previous_error) {  // a NaN estimate leaves growths as it is
          growths = 0;
        }
      }
      if (error_estimate < rounding_level * std::fabs(new_integral)) {
        condition = condition + kAccuracyNotAssured;
        error_estimate = std::pow(rounding_level * std::fabs(new_integral), inverse_exponent);
        raise = false;
        break;
      }
    }
    if (2 * evaluations - 1 > max_evaluations) {
      condition = condition + kLimitReached;
      break;
    }
    previous_integral = new_integral;
    previous_error = error_estimate;
    step = step * 0.5;
    index_step = half;
    level = level + 1;
    halvings_left = halvings_left - 1;
    if (halvings_left == 0) {
      if (2 * evaluations - 1 <= kTotalNodes) condition = condition + kLastHalvingWithinNodes;
      condition = condition + kLimitReached;
      break;
    }
  }

  if (raise && error_estimate > kNegligible) {
    error_estimate = std::pow(error_estimate, inverse_exponent);
  }
  result.integral = new_integral;
  result.error_estimate = larger_of(error_estimate, kUnitRoundoff * std::fabs(new_integral));
  result.evaluations = evaluations;
  result.condition = condition;
  write_condition_message(lib, result.condition, kQuadratureCode);
  return result;
}

}  // namespace numlib
