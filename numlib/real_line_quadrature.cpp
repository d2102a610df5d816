// Double-exponential quadrature over (-inf, inf). Level 0 takes f(0) and
// eleven node pairs (every 32nd node of the finest grid), cutting each tail
// after two successive terms that are small against the running largest
// term. Then the step is halved up to five times, each halving adding the
// nodes between the previous ones, and tested for convergence, for an error
// estimate that stops improving, and for the rounding level. The tolerances
// are raised to an accuracy exponent chosen from the accuracy asked for, and
// the final error estimate to its inverse.
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
  lib.roundoff = unit_roundoff(lib.roundoff);
  lib.negligible = lib.roundoff * 1.0e-30;
  lib.largest_usable = largest_double(lib.roundoff) * 1.0e-10;
  const double newton_tolerance = std::sqrt(lib.roundoff);
  // t_end solves 0.75 e^t + t = ln(largest_usable) - ln(0.375) (Newton's method).
  const double target = std::log(lib.largest_usable) - std::log(0.375);
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
  lib.table_length = kTableLength;
  lib.total_nodes = 2 * kTableLength + 1;
  lib.tables_built = true;
}

// One level-0 term on one side (sign -1 left, +1 right) at node j: evaluates,
// adds to the node sum, updates the largest term, the side's count of
// successive small terms and, after the second, its last node.
void level0_term(Library& lib, const Integrand& f, int32_t j, double sign, int32_t& evaluations,
                 double& node_sum, double& largest_term, double& last_term, int32_t& small_count,
                 int32_t& last_node) {
  lib.abscissa = sign * lib.nodes[j];
  const double term = f(lib.abscissa) * lib.weights[j];
  evaluations = evaluations + 1;
  node_sum = node_sum + term;
  last_term = std::fabs(term);
  largest_term = larger_of(largest_term, last_term);
  const double small = smaller_of(
      larger_of(
          larger_of(lib.working_absolute_tolerance, lib.working_relative_tolerance * largest_term),
          lib.roundoff * largest_term),
      1.0e-4 * largest_term);
  if (last_term <= small) {
    small_count = small_count + 1;
    if (small_count >= 2) last_node = j - 32;
  } else {
    small_count = 0;
  }
}

}  // namespace

void integrate_real_line(Library& lib, const Integrand& f, const double& absolute_tolerance,
                         const double& relative_tolerance, const int32_t& min_evaluations,
                         const int32_t& max_evaluations, double& integral, double& error_estimate,
                         int32_t& evaluations, int32_t& condition) {
  if (!lib.tables_built) build_tables(lib);

  condition = 30000;
  if (absolute_tolerance < 0.0 || relative_tolerance < 0.0 || min_evaluations > max_evaluations ||
      min_evaluations < 0) {
    write_condition_message(lib, condition, kQuadratureCode);
    return;
  }

  // Level 0: f(0) and node pairs at index step 32, cutting each side after
  // two successive small terms.
  const double level0_step = lib.t_end * kLevel0Step;
  evaluations = 0;
  lib.abscissa = 0.0;
  condition = 0;
  const double centre = f(lib.abscissa);
  evaluations = 1;
  double node_sum = centre;
  double largest_term = std::fabs(centre);
  lib.working_absolute_tolerance = absolute_tolerance;
  lib.working_relative_tolerance = relative_tolerance;
  lib.last_left_term = 0.0;
  lib.last_right_term = 0.0;
  int32_t left_end = 0, left_small = 0, right_end = 0, right_small = 0;
  for (int32_t j = 32; j <= kTableLength; j += 32) {
    if (left_end > 0 && right_end > 0) break;
    if (left_end == 0) {
      level0_term(lib, f, j, -1.0, evaluations, node_sum, largest_term, lib.last_left_term,
                  left_small, left_end);
    }
    if (right_end == 0) {
      level0_term(lib, f, j, 1.0, evaluations, node_sum, largest_term, lib.last_right_term,
                  right_small, right_end);
    }
  }
  if (left_end == 0) left_end = kTableLength;
  if (right_end == 0) right_end = kTableLength;
  if (left_small == 0) {
    condition = condition + 1000;
    lib.working_absolute_tolerance = lib.last_left_term;
    lib.working_relative_tolerance = lib.last_left_term;
    if (std::fabs(node_sum) > lib.negligible) {
      lib.working_relative_tolerance = lib.last_left_term / std::fabs(node_sum);
    }
  }
  if (right_small == 0) {
    condition = condition + 2000;
    lib.working_absolute_tolerance = larger_of(lib.last_right_term, lib.working_absolute_tolerance);
    lib.working_relative_tolerance = lib.working_absolute_tolerance;
    if (std::fabs(node_sum) > lib.negligible) {
      lib.working_relative_tolerance = lib.working_absolute_tolerance / std::fabs(node_sum);
    }
  }
  const double level0_integral = node_sum * level0_step * 1.5;

  // Accuracy exponent, from the accuracy asked for relative to level 0.
  double relative_asked = lib.working_absolute_tolerance;
  if (std::fabs(level0_integral) > lib.negligible) {
    relative_asked = lib.working_absolute_tolerance / std::fabs(level0_integral);
  }
  const double accuracy = larger_of(relative_asked, lib.working_relative_tolerance);
  if (accuracy >= 1.0e-4) {
    lib.accuracy_exponent = 1.0;
  } else if (accuracy >= 1.0e-5) {
    lib.accuracy_exponent = 0.9;
  } else if (accuracy >= 1.0e-10) {
    lib.accuracy_exponent = 0.8;
  } else {
    lib.accuracy_exponent = 0.75;
  }
  lib.inverse_accuracy_exponent = 1.0 / lib.accuracy_exponent;
  const double rounding_level = std::pow(lib.roundoff, 0.75);
  lib.working_absolute_tolerance = std::pow(lib.working_absolute_tolerance, lib.accuracy_exponent);
  lib.working_relative_tolerance = std::pow(lib.working_relative_tolerance, lib.accuracy_exponent);

  // Halvings.
  const int32_t far_end = right_end > left_end ? right_end : left_end;
  int32_t index_step = 32;
  double step = level0_step;
  double previous_integral = level0_integral;
  double new_integral = level0_integral;
  double previous_error = 0.0;
  int32_t level = 1, growths = 0, halvings_left = 5;
  bool raise = true;  // whether the final error estimate is raised to the inverse exponent
  for (;;) {
    const int32_t half = index_step / 2;
    double new_sum = 0.0;
    for (int32_t j = half; j <= far_end; j += index_step) {
      if (j <= left_end) {
        lib.abscissa = -lib.nodes[j];
        new_sum = new_sum + f(lib.abscissa) * lib.weights[j];
        evaluations = evaluations + 1;
      }
      if (j <= right_end) {
        lib.abscissa = lib.nodes[j];
        new_sum = new_sum + f(lib.abscissa) * lib.weights[j];
        evaluations = evaluations + 1;
      }
    }
    new_integral = (previous_integral + 1.5 * step * new_sum) * 0.5;
    error_estimate = std::fabs(previous_integral - new_integral);
    if (evaluations >= min_evaluations) {
      if (error_estimate <= larger_of(lib.working_relative_tolerance * std::fabs(new_integral),
                                      lib.working_absolute_tolerance)) {
        if (condition != 0) {
          condition = condition + 10000;
        } else if (absolute_tolerance + relative_tolerance == 0.0) {
          condition = 10000;
        }
        break;
      }
      if (level >= 2) {
        if (error_estimate >= previous_error) {
          growths = growths + 1;
          if (growths >= 2 && level >= 3) {
            condition = condition + 10000;
            error_estimate = previous_error;
            break;
          }
        } else if (error_estimate < previous_error) {
          growths = 0;
        }
      }
      if (error_estimate < rounding_level * std::fabs(new_integral)) {
        condition = condition + 10000;
        error_estimate =
            std::pow(rounding_level * std::fabs(new_integral), lib.inverse_accuracy_exponent);
        raise = false;
        break;
      }
    }
    if (2 * evaluations - 1 > max_evaluations) {
      condition = condition + 20000;
      break;
    }
    previous_integral = new_integral;
    previous_error = error_estimate;
    step = step * 0.5;
    index_step = half;
    level = level + 1;
    halvings_left = halvings_left - 1;
    if (halvings_left == 0) {
      if (2 * evaluations - 1 <= lib.total_nodes) condition = condition + 5000;
      condition = condition + 20000;
      break;
    }
  }

  if (raise && error_estimate > lib.negligible) {
    error_estimate = std::pow(error_estimate, lib.inverse_accuracy_exponent);
  }
  integral = new_integral;
  error_estimate = larger_of(error_estimate, lib.roundoff * std::fabs(new_integral));
  write_condition_message(lib, condition, kQuadratureCode);
}

}  // namespace numlib
