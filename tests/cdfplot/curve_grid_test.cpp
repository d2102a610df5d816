// The grid of the fitted curve.
#include <gtest/gtest.h>

#include "cdfplot/state.h"

namespace {

TEST(CurveGrid, TenthsOfTheRangeFromTwoBelowToOneAbove) {
  cdfplot::CurveGrid grid = cdfplot::curve_grid(-2.4494896f, 2.4494896f);
  EXPECT_EQ(grid[cdfplot::kGridMinimum], -2.4494896f);  // the smallest residual
  EXPECT_EQ(grid[cdfplot::kGridMaximum], 2.4494896f);   // the largest residual
  EXPECT_EQ(grid[7], 0.0f);                             // the middle falls exactly on 0
  for (int k = 1; k < cdfplot::kGridPoints; ++k) EXPECT_LT(grid[k - 1], grid[k]);

  grid = cdfplot::curve_grid(3.0f, 3.0f);  // no range: every point is the value
  for (int k = 0; k < cdfplot::kGridPoints; ++k) EXPECT_EQ(grid[k], 3.0f);
}

}  // namespace
