// The percent point of the range law: the tables at the levels 0.05 and 0.01,
// and the degenerate group counts and levels.
#include <gtest/gtest.h>

#include <memory>

#include "multicomp/state.h"
#include "numlib/library.h"

namespace {

double percent_point(int k, float alpha) {
  auto lib = std::make_unique<numlib::Library>();
  return multicomp::range_percent_point(*lib, k, alpha);
}

TEST(RangePercentPoint, Tables) {
  struct Case {
    int k;
    float alpha;
    double percent_point;
  };
  const Case cases[] = {
      {2, 0.05f, 1.960},  {3, 0.05f, 2.344},  {4, 0.05f, 2.569}, {5, 0.05f, 2.728},
      {10, 0.05f, 3.164}, {2, 0.01f, 2.576},  {3, 0.01f, 2.913}, {4, 0.01f, 3.113},
      {5, 0.01f, 3.255},  {10, 0.01f, 3.646},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(percent_point(c.k, c.alpha), c.percent_point) << c.k << " " << c.alpha;
  }
}

// One group: the equation is about alpha everywhere; a group count of 0 or
// below: the integrand is 0 and the equation stays negative up to 200; a level
// of 1 or more makes it non-negative at once; a negative level keeps it
// negative.
TEST(RangePercentPoint, Degenerate) {
  EXPECT_EQ(percent_point(1, 0.05f), 0.0);
  EXPECT_EQ(percent_point(0, 0.05f), 200.0);
  EXPECT_EQ(percent_point(-3, 0.05f), 200.0);
  EXPECT_EQ(percent_point(3, 1.0f), 0.0);
  EXPECT_EQ(percent_point(3, 1.5f), 0.0);
  EXPECT_EQ(percent_point(3, -0.05f), 200.0);
}

}  // namespace
