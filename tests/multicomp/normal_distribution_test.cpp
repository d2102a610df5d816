// Double-precision normal density and distribution function: exact points,
// the switch between the two continued fractions at |x| = 3, symmetry,
// reference values, and non-finite arguments.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "multicomp/state.h"

namespace {

TEST(NormalDistribution, ExactPoints) {
  EXPECT_EQ(multicomp::standard_normal_distribution(0.0), 0.5);
  EXPECT_EQ(multicomp::standard_normal_distribution(-0.0), 0.5);
  EXPECT_EQ(multicomp::standard_normal_density(0.0), 1.0 / std::sqrt(6.283185307179586));
  // 0.5 x x overflows: the density is 0, not NaN.
  EXPECT_EQ(multicomp::standard_normal_density(1e200), 0.0);
  EXPECT_EQ(multicomp::standard_normal_distribution(std::numeric_limits<double>::infinity()), 1.0);
  EXPECT_EQ(multicomp::standard_normal_distribution(-std::numeric_limits<double>::infinity()), 0.0);
  EXPECT_TRUE(std::isnan(multicomp::standard_normal_distribution(std::nan(""))));
}

// Reference values of Phi (to 16 digits), both sides of the switch at 3.
// Both continued fractions, cut after 28 levels, are weakest at |x| = 3:
// there the relative tolerance is 1e-11, elsewhere 1e-13.
TEST(NormalDistribution, Values) {
  struct Case {
    double x, phi;
  };
  auto relative = [](double x) { return std::fabs(std::fabs(x) - 3.0) < 1e-9 ? 1e-11 : 1e-13; };
  const Case cases[] = {
      {0.5, 0.6914624612740131},       {1.0, 0.8413447460685429},
      {1.959963984540054, 0.975},      {2.5, 0.9937903346742239},
      {3.0, 0.9986501019683699},       {std::nextafter(3.0, 4.0), 0.9986501019683699},
      {-3.0, 0.0013498980316301035},   {-std::nextafter(3.0, 4.0), 0.0013498980316301035},
      {-5.0, 2.866515718791939e-07},   {-10.0, 7.619853024160527e-24},
      {-30.0, 4.906713927148187e-198},
  };
  for (const Case& c : cases) {
    const double tol = relative(c.x) * (c.phi < 0.5 ? c.phi : 1.0);
    EXPECT_NEAR(multicomp::standard_normal_distribution(c.x), c.phi, tol) << c.x;
  }
}

// |x| = 3 takes the central fraction and the next double above takes the tail
// one; the two forms differ in the last bits there, so the switch shows in
// the bits. Expected bits from a separate model of both fractions.
TEST(NormalDistribution, FormSwitchAtThree) {
  struct Case {
    double x, phi;
  };
  const double above = std::nextafter(3.0, 4.0);
  const Case cases[] = {
      {3.0, 0x1.ff4f10f033d3ep-1},      // central (the tail form gives ...cfbp-1)
      {-3.0, 0x1.61de1f9858300p-10},    // central (tail: ...609c2p-10)
      {above, 0x1.ff4f10f033cfbp-1},    // tail (central: ...d37p-1)
      {-above, 0x1.61de1f98609b6p-10},  // tail (central: ...59200p-10)
  };
  for (const Case& c : cases) EXPECT_EQ(multicomp::standard_normal_distribution(c.x), c.phi) << c.x;
}

TEST(NormalDistribution, Symmetry) {
  for (double x = 0.0; x <= 8.0; x += 0.125) {
    EXPECT_NEAR(
        multicomp::standard_normal_distribution(x) + multicomp::standard_normal_distribution(-x),
        1.0, 2e-16)
        << x;
  }
}

}  // namespace
