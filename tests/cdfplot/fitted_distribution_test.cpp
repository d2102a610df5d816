// The fitted normal distribution function.
#include <gtest/gtest.h>

#include <cmath>

#include "cdfplot/state.h"

namespace {

cdfplot::NormalFit law(float location, float scale) {
  cdfplot::NormalFit fit;
  fit.location = location;
  fit.scale = scale;
  return fit;
}

TEST(FittedDistributionFunction, NormalDistributionFunction) {
  EXPECT_EQ(cdfplot::fitted_distribution_function(1.0f, law(1.0f, 2.0f)), 0.5f);
  // 1 - Q(1) with Q(1) = 0.15865526 as stored.
  EXPECT_EQ(cdfplot::fitted_distribution_function(3.0f, law(1.0f, 2.0f)),
            static_cast<float>(1.0 - static_cast<double>(0.15865526f)));
  // Far below the location: Q is 1 and the value 0; far above, 1.
  EXPECT_EQ(cdfplot::fitted_distribution_function(-100.0f, law(0.0f, 1.0f)), 0.0f);
  EXPECT_EQ(cdfplot::fitted_distribution_function(100.0f, law(0.0f, 1.0f)), 1.0f);
}

TEST(FittedDistributionFunction, ZeroScaleGivesTheNaNOfAnInvalidOperation) {
  for (float x : {0.0f, 1.0f, -1.0f}) {
    const float f = cdfplot::fitted_distribution_function(x, law(0.0f, 0.0f));
    EXPECT_TRUE(std::isnan(f)) << x;
    EXPECT_TRUE(std::signbit(f)) << x;
  }
}

}  // namespace
