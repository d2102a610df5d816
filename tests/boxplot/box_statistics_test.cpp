// Box statistics: quantiles by interpolation at (n+1)p with the positions held
// to 1..n, no read past the sample when f = 0, and the extremes, quartiles and
// median after the sort.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <vector>

#include "boxplot/state.h"

namespace {

const float kNaN = std::numeric_limits<float>::quiet_NaN();

struct QuantileCase {
  const char* name;
  std::vector<float> sorted;
  float fraction;
  float expected;
};

// Each sample is surrounded by NaN sentinels: a read outside it shows as NaN.
float guarded_quantile(const std::vector<float>& sorted, float fraction) {
  std::vector<float> buf(sorted.size() + 2, kNaN);
  for (size_t i = 0; i < sorted.size(); ++i) buf[i + 1] = sorted[i];
  return boxplot::interpolated_quantile(buf.data() + 1, static_cast<int32_t>(sorted.size()),
                                        fraction);
}

TEST(InterpolatedQuantile, InterpolatesAtNPlusOneTimesP) {
  const QuantileCase cases[] = {
      {"five q1 at 1.5", {1, 2, 3, 4, 5}, 0.25f, 1.5f},
      {"five median at 3", {1, 2, 3, 4, 5}, 0.5f, 3.0f},
      {"five q3 at 4.5", {1, 2, 3, 4, 5}, 0.75f, 4.5f},
      {"four q1 at 1.25", {1, 2.5f, 7, 9}, 0.25f, 1.375f},
      {"four median at 2.5", {1, 2.5f, 7, 9}, 0.5f, 4.75f},
      {"four q3 at 3.75", {1, 2.5f, 7, 9}, 0.75f, 8.5f},
      {"three q1 exact", {3, 5, 7}, 0.25f, 3.0f},
      {"three median exact", {3, 5, 7}, 0.5f, 5.0f},
      {"three q3 exact, X(4) not read", {3, 5, 7}, 0.75f, 7.0f},
      {"seven q3 exact at 6", {1, 2, 3, 4, 5, 6, 7}, 0.75f, 6.0f},
      {"one value q1 held to 1", {4}, 0.25f, 4.0f},
      {"one value median held to 1", {4}, 0.5f, 4.0f},
      {"one value q3 held to 1", {4}, 0.75f, 4.0f},
      {"two values q1 held to 1", {1, 3}, 0.25f, 1.0f},
      {"two values median", {1, 3}, 0.5f, 2.0f},
      {"two values q3 held to 2", {1, 3}, 0.75f, 3.0f},
      {"negative values", {-9, -7, -2.5f, -1}, 0.25f, -8.5f},
  };
  for (const QuantileCase& c : cases) {
    EXPECT_EQ(guarded_quantile(c.sorted, c.fraction), c.expected) << c.name;
  }
}

TEST(InterpolatedQuantile, RoundsOnceFromDouble) {
  // 0.75*a + 0.25*b is 9.358756 when formed in double and rounded once, but
  // 9.3587551 when each product is rounded to single first.
  const float a = 6.515929698944092f;
  const float b = 17.88723373413086f;
  EXPECT_EQ(guarded_quantile({a, b, 20.0f, 21.0f}, 0.25f), 9.358756065368652f);
}

TEST(BoxStatistics, SortsInPlaceAndTakesExtremes) {
  struct Case {
    const char* name;
    std::vector<float> x;
    float minimum, maximum, lower_quartile, median, upper_quartile;
  };
  const Case cases[] = {
      {"worked group 1", {5, 1, 4, 2, 3}, 1, 5, 1.5f, 3, 4.5f},
      {"worked group 2", {2.5f, 7, 1, 9}, 1, 9, 1.375f, 4.75f, 8.5f},
      {"three values", {7, 3, 5}, 3, 7, 3, 5, 7},
      {"one value", {-2}, -2, -2, -2, -2, -2},
      {"two values", {3, 1}, 1, 3, 1, 2, 3},
      {"equal values", {2, 2, 2, 2}, 2, 2, 2, 2, 2},
  };
  for (const Case& c : cases) {
    std::vector<float> x = c.x;
    const boxplot::BoxStatistics stats =
        boxplot::box_statistics(x.data(), static_cast<int32_t>(x.size()));
    EXPECT_EQ(stats.minimum, c.minimum) << c.name;
    EXPECT_EQ(stats.maximum, c.maximum) << c.name;
    EXPECT_EQ(stats.lower_quartile, c.lower_quartile) << c.name;
    EXPECT_EQ(stats.median, c.median) << c.name;
    EXPECT_EQ(stats.upper_quartile, c.upper_quartile) << c.name;
    for (size_t i = 1; i < x.size(); ++i) EXPECT_LE(x[i - 1], x[i]) << c.name;
  }
}

TEST(BoxStatistics, EqualValuesGiveTheSameBoxInAnyOrder) {
  const std::vector<std::vector<float>> orders = {
      {4, 1, 4, 1, 4, 1}, {1, 1, 1, 4, 4, 4}, {4, 4, 4, 1, 1, 1}, {1, 4, 4, 1, 1, 4}};
  for (const auto& o : orders) {
    std::vector<float> x = o;
    const boxplot::BoxStatistics stats = boxplot::box_statistics(x.data(), 6);
    EXPECT_EQ(stats.minimum, 1.0f);
    EXPECT_EQ(stats.maximum, 4.0f);
    EXPECT_EQ(stats.lower_quartile, 1.0f);
    EXPECT_EQ(stats.median, 2.5f);
    EXPECT_EQ(stats.upper_quartile, 4.0f);
  }
}

}  // namespace
