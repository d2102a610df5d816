// The double-exponential quadrature: first-call tables, argument checks, the
// condition codes of every outcome, and known integrals.
#include "numlib/real_line_quadrature.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <memory>

#include "numlib/library.h"
#include "numlib/machine.h"

namespace {

const double kEps = static_cast<double>(1.0e-8f);  // 1e-8 widened from single

using numlib::integrate_real_line;
using numlib::QuadratureResult;

double normal_density(double x) { return std::exp(-x * x / 2.0) / std::sqrt(2.0 * M_PI); }

TEST(IntegrateRealLine, FirstCallTables) {
  auto lib = std::make_unique<numlib::Library>();
  integrate_real_line(
      *lib, [](double) { return 0.0; }, -1.0, kEps, 20, 645);
  EXPECT_TRUE(lib->tables_built);
  EXPECT_EQ(numlib::kUnitRoundoff, 2.22e-16);
  EXPECT_EQ(numlib::kTotalNodes, 705);
  EXPECT_EQ(lib->newton_steps, 3);
  EXPECT_NEAR(lib->t_end, 6.811136524, 1e-9);
  // t_end solves 0.375 exp(t + 0.75 e^t) = kLargestUsable.
  const double target = std::log(numlib::kLargestUsable) - std::log(0.375);
  EXPECT_NEAR(0.75 * std::exp(lib->t_end) + lib->t_end, target, 1e-12 * target);
  const double t1 = lib->t_end * 0.002840909090909091;
  EXPECT_NEAR(lib->nodes[1], std::sinh(1.5 * std::sinh(t1)), 1e-15);
  EXPECT_NEAR(lib->nodes[352] / 2.638e295, 1.0, 1e-3);
  EXPECT_NEAR(lib->weights[352] / 1.197e298, 1.0, 1e-3);
  for (int i = 2; i <= 352; ++i) ASSERT_LT(lib->nodes[i - 1], lib->nodes[i]);
}

// Bad arguments: code 30000, nothing integrated.
TEST(IntegrateRealLine, ArgumentChecks) {
  struct Case {
    double absolute, relative;
    int32_t min_evaluations, max_evaluations;
  };
  const Case cases[] = {{-1.0, kEps, 20, 645},
                        {kEps, -1.0, 20, 645},
                        {kEps, kEps, 3, 2},
                        {kEps, kEps, -1, 645},
                        {-0.5, -0.5, -3, -4}};
  auto lib = std::make_unique<numlib::Library>();
  int calls = 0;
  for (const Case& c : cases) {
    const QuadratureResult r = integrate_real_line(
        *lib,
        [&calls](double) {
          ++calls;
          return 1.0;
        },
        c.absolute, c.relative, c.min_evaluations, c.max_evaluations);
    EXPECT_EQ(r.condition, 30000);
    EXPECT_EQ(r.integral, 0.0);
    EXPECT_EQ(r.error_estimate, 0.0);
    EXPECT_EQ(r.evaluations, 0);
  }
  EXPECT_EQ(calls, 0);
  EXPECT_TRUE(lib->tables_built);
}

// A side's terms at 32, 64, ... give the truncation and the evaluation counts.
TEST(IntegrateRealLine, Outcomes) {
  struct Case {
    const char* name;
    double (*f)(double);
    double absolute, relative;
    int32_t min_evaluations, max_evaluations;
    int32_t evaluations, condition;
  };
  const Case cases[] = {
      {"zero", [](double) { return 0.0; }, kEps, kEps, 20, 645, 35, 0},
      {"zero, no tolerance", [](double) { return 0.0; }, 0.0, 0.0, 20, 645, 35, 10000},
      // No term is ever small: both tails flagged, converged at the first halving.
      {"one", [](double) { return 1.0; }, kEps, kEps, 20, 645, 45, 13000},
      {"normal", normal_density, kEps, kEps, 20, 645, 99, 0},
      {"cauchy", [](double x) { return 1.0 / (1.0 + x * x); }, kEps, kEps, 20, 645, 51, 0},
      // No evaluations allowed: after the first halving 2 evaluations - 1 > 0.
      {"normal, no evaluations allowed", normal_density, kEps, kEps, 0, 0, 15, 20000},
      // No test before 705 evaluations: five halvings, 2 evaluations - 1 <= 705. Both sides
      // end at index 96 (level 0: 1 + 2 * 4), the halvings add 6, 12, 24, 48, 96.
      {"normal, tests off", normal_density, kEps, kEps, 705, 705, 195, 25000},
      // Five full halvings: 705 evaluations, 2 evaluations - 1 > 705.
      {"one, tests off", [](double) { return 1.0; }, kEps, kEps, 2000, 2000, 705, 23000},
      // Limit: after the second halving 2 * 89 - 1 > 100.
      {"one, limit 100", [](double) { return 1.0; }, kEps, kEps, 100, 100, 89, 23000},
      // Not a number never counts as small; the fourth halving reaches 353 evaluations.
      {"nan", [](double) { return -std::nan(""); }, kEps, kEps, 20, 645, 353, 23000},
  };
  for (const Case& c : cases) {
    auto lib = std::make_unique<numlib::Library>();
    const QuadratureResult r = integrate_real_line(*lib, c.f, c.absolute, c.relative,
                                                   c.min_evaluations, c.max_evaluations);
    EXPECT_EQ(r.evaluations, c.evaluations) << c.name;
    EXPECT_EQ(r.condition, c.condition) << c.name;
  }
}

TEST(IntegrateRealLine, Values) {
  auto lib = std::make_unique<numlib::Library>();
  const QuadratureResult z = integrate_real_line(
      *lib, [](double) { return 0.0; }, kEps, kEps, 20, 645);
  EXPECT_EQ(z.integral, 0.0);
  EXPECT_EQ(z.error_estimate, 0.0);

  const QuadratureResult one = integrate_real_line(
      *lib, [](double) { return 1.0; }, kEps, kEps, 20, 645);
  EXPECT_NEAR(one.integral / 1.1122e298, 1.0, 1e-3);

  const QuadratureResult nd = integrate_real_line(*lib, normal_density, kEps, kEps, 20, 645);
  EXPECT_NEAR(nd.integral, 1.0, 1e-15);
  // The accuracy 1e-8 gives the exponent 0.8: the last difference raised to 1.25.
  EXPECT_NEAR(nd.error_estimate, 2.4e-12, 0.1e-12);

  const QuadratureResult cy = integrate_real_line(
      *lib, [](double x) { return 1.0 / (1.0 + x * x); }, kEps, kEps, 20, 645);
  EXPECT_EQ(cy.integral, 3.141592653589788);
}

// The error estimate at the rounding level: no tolerance at all gives the accuracy
// exponent 0.75 and ends when the difference of two levels falls below
// roundoff^0.75 |integral|.
TEST(IntegrateRealLine, RoundingLevel) {
  auto lib = std::make_unique<numlib::Library>();
  const QuadratureResult r = integrate_real_line(*lib, normal_density, 0.0, 0.0, 20, 645);
  EXPECT_EQ(r.condition, 10000);
  const double rounding_level = std::pow(2.22e-16, 0.75);
  const double floor = std::pow(rounding_level * std::fabs(r.integral), 1.0 / 0.75);
  EXPECT_EQ(r.error_estimate,
            floor > 2.22e-16 * std::fabs(r.integral) ? floor : 2.22e-16 * std::fabs(r.integral));
  EXPECT_NEAR(r.integral, 1.0, 1e-15);
}

// Stalling: level 0 is all zeros (both sides cut at index 32), and each
// halving's nodes carry one value chosen so that the level sums run 1, -2, 4:
// the difference grows twice, so the third halving stops with the previous
// difference raised to the inverse accuracy exponent (1 / 0.8) as the error.
TEST(IntegrateRealLine, Stall) {
  auto lib = std::make_unique<numlib::Library>();
  integrate_real_line(
      *lib, [](double) { return 0.0; }, -1.0, 0.0, 0, 0);  // builds the tables
  const numlib::Library& t = *lib;
  const double level0_step = t.t_end * 0.09090909090909091;
  auto f = [&t, level0_step](double x) {
    for (int j = 1; j <= 32; ++j) {
      if (std::fabs(x) != t.nodes[j]) continue;
      if (j == 16) return 1.0 / (1.5 * level0_step) / t.weights[j];
      if (j % 16 == 8) return -5.0 / (3.0 * level0_step) / t.weights[j];
      if (j % 8 == 4) return 10.0 / (3.0 * level0_step) / t.weights[j];
      return 0.0;
    }
    return 0.0;
  };
  const QuadratureResult r = integrate_real_line(*lib, f, kEps, kEps, 0, 645);
  EXPECT_EQ(r.condition, 10000);
  EXPECT_EQ(r.evaluations, 19);
  EXPECT_NEAR(r.integral, 4.0, 1e-12);
  EXPECT_NEAR(r.error_estimate, std::pow(3.0, 1.25), 1e-12);
}

}  // namespace
