// Weighted isotonic regression: block joining within the tolerance, first-found
// minimum as block value, weights, and termination when an average is NaN.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "trendrank/state.h"

namespace {

struct FitCase {
  const char* name;
  std::vector<float> y;
  std::vector<float> w;
  std::vector<float> fit;
};

TEST(IsotonicFit, Fits) {
  const std::vector<FitCase> cases = {
      {"one violation", {1, 3, 2, 4}, {1, 1, 1, 1}, {1, 2.5f, 2.5f, 4}},
      {"block ends at the last equal average", {3, 1, 2, 2, 5}, {1, 1, 1, 1, 1}, {2, 2, 2, 2, 5}},
      {"increasing is kept", {1, 1.5f, 2, 8}, {1, 1, 1, 1}, {1, 1.5f, 2, 8}},
      {"within 1e-5 joined, first value kept", {1, 1.000005f}, {1, 1}, {1, 1}},
      {"decreasing gives the mean", {4, 3, 2, 1}, {1, 1, 1, 1}, {2.5f, 2.5f, 2.5f, 2.5f}},
      {"weighted mean", {3, 1}, {1, 3}, {1.5f, 1.5f}},
      {"weights of group sizes", {3.5f, 1.5f}, {2, 2}, {2.5f, 2.5f}},
      {"single value", {-7}, {5}, {-7}},
      // Mean ranks of several hundred (ten groups of 100): violations after
      // the first block; each block ends at or after the index of its minimum
      // (2..4 at 300.5, reached first at 3 and last at 4), and all ten values
      // are written.
      {"mean ranks of several hundred",
       {50.5f, 400.5f, 200.5f, 300.5f, 500.5f, 700.5f, 600.5f, 900.5f, 800.5f, 990.5f},
       {100, 100, 100, 100, 100, 100, 100, 100, 100, 100},
       {50.5f, 300.5f, 300.5f, 300.5f, 500.5f, 650.5f, 650.5f, 850.5f, 850.5f, 990.5f}},
  };
  for (const FitCase& tc : cases) {
    std::vector<float> fit(tc.y.size(), -99.0f);
    trendrank::isotonic_fit(static_cast<int32_t>(tc.y.size()), tc.y.data(), tc.w.data(),
                            fit.data());
    EXPECT_EQ(fit, tc.fit) << tc.name;
  }
}

TEST(IsotonicFit, BlockValueIsTheMinimumAsFirstFound) {
  // From s = 1 the averages are 3, 2, 2, 2, 2.6: the smallest block average keeps the first 2.
  const float y[5] = {3, 1, 2, 2, 5};
  const float w[5] = {1, 1, 1, 1, 1};
  EXPECT_EQ(trendrank::smallest_block_average(1, 5, y, w), 2.0);
  EXPECT_EQ(trendrank::weighted_block_average(1, 5, y, w), 2.6);
  EXPECT_EQ(trendrank::weighted_block_average(2, 3, y, w), 1.5);
}

TEST(IsotonicFit, NonPositiveCountWritesNothing) {
  const float y[2] = {1, 2};
  const float w[2] = {1, 1};
  float fit[2] = {-5, -5};
  trendrank::isotonic_fit(0, y, w, fit);
  trendrank::isotonic_fit(-3, y, w, fit);
  EXPECT_EQ(fit[0], -5.0f);
  EXPECT_EQ(fit[1], -5.0f);
}

TEST(IsotonicFit, NaNAveragesStillEndAndWriteEveryValue) {
  // A NaN first value (an effect of inf - inf) fails every block-end test: the
  // block is that value alone, and the fit goes on with the rest.
  const float nan = std::nanf("");
  const float y[3] = {nan, 2, 1};
  const float w[3] = {2, 1, 1};
  float fit[3] = {-5, -5, -5};
  trendrank::isotonic_fit(3, y, w, fit);
  EXPECT_TRUE(std::isnan(fit[0]));
  EXPECT_EQ(fit[1], 1.5f);
  EXPECT_EQ(fit[2], 1.5f);
  // A zero weight: the averages over 1..1 = 0/0 and over 1..2 = 4 is not within reach of
  // g = y(1) = 1, so no end passes; the block is position 1 alone.
  const float y2[2] = {1, 4};
  const float w2[2] = {0, 1};
  float fit2[2] = {-5, -5};
  trendrank::isotonic_fit(2, y2, w2, fit2);
  EXPECT_EQ(fit2[0], 1.0f);
  EXPECT_EQ(fit2[1], 4.0f);
}

}  // namespace
