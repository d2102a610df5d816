// The range law: the tolerance and weights of the equal-weight law, the
// distribution function with unequal weights, and the reuse of Phi values
// inside the integrand (bit for bit as computed afresh).
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <memory>

#include "multicomp/state.h"
#include "numlib/library.h"

namespace {

TEST(EqualWeightsRangeLaw, ToleranceAndWeights) {
  const multicomp::RangeLaw law = multicomp::equal_weights_range_law(2);
  EXPECT_EQ(law.groups, 2);
  EXPECT_EQ(law.tolerance, 9.99999993922529e-09);
  EXPECT_EQ(law.weights[0], 0.5);
  EXPECT_EQ(law.weights[1], 0.5);
  EXPECT_EQ(law.weights[2], 0.0);
}

// For two groups the probability that |U1 - U2| / sqrt(1/l1 + 1/l2) <= x is
// 2 Phi(x) - 1 whatever the weights: the general integrand must give it.
TEST(RangeDistribution, UnequalWeights) {
  auto lib = std::make_unique<numlib::Library>();
  multicomp::RangeLaw law;
  law.groups = 2;
  law.tolerance = static_cast<double>(1.0e-8f);
  law.weights[0] = 0.2;
  law.weights[1] = 0.8;
  const double x = 1.959963984540054;
  EXPECT_NEAR(multicomp::range_distribution(*lib, law, x), 0.95, 1e-9);
}

// The integrand written out with no reuse of Phi values.
double plain_integrand(const multicomp::RangeLaw& law, double x, double z) {
  double sum = 0.0;
  for (int i = 0; i < law.groups; ++i) {
    double product = 1.0;
    for (int j = 0; j < law.groups; ++j) {
      if (j == i) continue;
      const double t = std::sqrt(law.weights[j] / law.weights[i]);
      const double w = std::sqrt((law.weights[i] + law.weights[j]) / law.weights[i]);
      const double u = t * z;
      product = product * (multicomp::standard_normal_distribution(u) -
                           multicomp::standard_normal_distribution(u - w * x));
    }
    sum = sum + product * multicomp::standard_normal_density(z);
  }
  return sum;
}

TEST(RangeIntegrand, BitForBit) {
  const double weights[][10] = {
      {0.1, 0.1, 0.1, 0.1, 0.1, 0.1, 0.1, 0.1, 0.1, 0.1},
      {0.05, 0.3, 0.1, 0.2, 0.05, 0.1, 0.07, 0.03, 0.06, 0.04},
  };
  for (const auto& wl : weights) {
    multicomp::RangeLaw law;
    law.groups = 10;
    for (int i = 0; i < 10; ++i) law.weights[i] = wl[i];
    for (double x : {0.7, 3.164}) {
      for (double z = -9.0; z <= 9.0; z += 0.37) {
        const double a = multicomp::range_integrand(law, x, z);
        const double b = plain_integrand(law, x, z);
        EXPECT_EQ(std::memcmp(&a, &b, sizeof a), 0) << z;
      }
    }
  }
}

}  // namespace
