// The normal fit, the grid and the fitted distribution function.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <vector>

#include "routines.h"

namespace {

const std::vector<float> kWorked = {-2.4494896f, -1.2247448f, 0.0f, 0.0f, 1.2247448f, 2.4494896f};

TEST(CdfplotStatis, LocationAndScaleFromTheMeanAbsoluteDeviation) {
  float mu = -1.0f, sigma = -1.0f;
  cdfplot::statis_(kWorked.data(), 6, mu, sigma);
  EXPECT_LT(std::fabs(mu), 1e-16f);
  EXPECT_EQ(sigma, 1.5349901f);

  const std::vector<float> equal = {0.5f, 0.5f, 0.5f};
  cdfplot::statis_(equal.data(), 3, mu, sigma);
  EXPECT_EQ(mu, 0.5f);
  EXPECT_EQ(sigma, 0.0f);

  cdfplot::statis_(nullptr, 0, mu, sigma);
  EXPECT_EQ(mu, 0.0f);
  EXPECT_EQ(sigma, 0.0f);
}

TEST(CdfplotGrid, TenthsOfTheRangeFromTwoBelowToOneAbove) {
  float t[14];
  cdfplot::grid_(-2.4494896f, 2.4494896f, t);
  EXPECT_EQ(t[2], -2.4494896f);  // T(3) is the minimum
  EXPECT_EQ(t[12], 2.4494896f);  // T(13) is the maximum
  EXPECT_EQ(t[7], 0.0f);         // T(8) falls exactly on 0
  for (int k = 1; k < 14; ++k) EXPECT_LT(t[k - 1], t[k]);

  cdfplot::grid_(3.0f, 3.0f, t);  // no range: every point is the value
  for (int k = 0; k < 14; ++k) EXPECT_EQ(t[k], 3.0f);
}

TEST(CdfplotFitted, NormalDistributionFunction) {
  EXPECT_EQ(cdfplot::fitted_(1.0f, 1.0f, 2.0f), 0.5f);
  // 1 - Q(1) with Q(1) = 0.15865526 as stored.
  EXPECT_EQ(cdfplot::fitted_(3.0f, 1.0f, 2.0f),
            static_cast<float>(1.0 - static_cast<double>(0.15865526f)));
  // Far below the location: Q is 1 and the value 0; far above, 1.
  EXPECT_EQ(cdfplot::fitted_(-100.0f, 0.0f, 1.0f), 0.0f);
  EXPECT_EQ(cdfplot::fitted_(100.0f, 0.0f, 1.0f), 1.0f);
}

TEST(CdfplotFitted, ZeroScaleGivesTheNaNOfAnInvalidOperation) {
  for (float x : {0.0f, 1.0f, -1.0f}) {
    const float f = cdfplot::fitted_(x, 0.0f, 0.0f);
    EXPECT_TRUE(std::isnan(f)) << x;
    EXPECT_TRUE(std::signbit(f)) << x;
  }
}

}  // namespace
