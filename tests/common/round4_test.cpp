// round4: four decimals through a single-precision product, halves away from
// zero, 64-bit range, NaN compared as neither greater nor equal.
#include "common/round4.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>

namespace {

TEST(Round4, Values) {
  struct Case {
    float s;
    int64_t v;
  };
  const Case cases[] = {
      {12.34561f, 123456},
      {12.34559f, 123456},
      {1.23454f, 12345},
      {1.23446f, 12345},
      {0.00005f, 1},
      {-0.00005f, -1},
      {0.0f, 0},
      {-0.0f, 0},
      {0.49999997f, 5000},
      {7.5f, 75000},
      {2.4f, 24000},
      // Beyond 32 bits (no wrap); exact products, then one on the single grid:
      // 8.25e11 is not a single value, the nearest is 825000001536.
      {8388608.0f, 83886080000LL},
      {65536.0f, 655360000LL},
      {82500000.0f, 825000001536LL},
  };
  for (const Case& tc : cases) {
    common::Round4 r = common::round4(tc.s);
    EXPECT_FALSE(r.nan) << tc.s;
    EXPECT_EQ(r.value, tc.v) << tc.s;
  }
}

TEST(Round4, HalfAwayFromZeroOnTheSingleProduct) {
  // 0.00025 is not exact, but its product with 10000 rounds to 2.5 in single.
  ASSERT_EQ(static_cast<float>(static_cast<double>(0.00025f) * 10000.0), 2.5f);
  EXPECT_EQ(common::round4(0.00025f).value, 3);    // 2.5 -> 3, not 2
  EXPECT_EQ(common::round4(-0.00025f).value, -3);  // -2.5 -> -3
}

TEST(Round4, SaturatesAndOrdersHugeValues) {
  common::Round4 big = common::round4(3e38f);
  common::Round4 inf = common::round4(INFINITY);
  common::Round4 ninf = common::round4(-INFINITY);
  EXPECT_EQ(big.value, std::numeric_limits<int64_t>::max());
  EXPECT_EQ(inf.value, std::numeric_limits<int64_t>::max());
  EXPECT_EQ(ninf.value, std::numeric_limits<int64_t>::min());
  EXPECT_TRUE(common::round4_ge(inf, big));
  EXPECT_TRUE(common::round4_gt(big, common::round4(214748.3648f)));
  EXPECT_TRUE(common::round4_gt(common::round4(214750.0f), common::round4(214748.0f)));
}

TEST(Round4, NaNIsNeverGreaterOrEqual) {
  common::Round4 nan = common::round4(std::nanf(""));
  common::Round4 zero = common::round4(0.0f);
  EXPECT_TRUE(nan.nan);
  EXPECT_FALSE(common::round4_ge(nan, zero));
  EXPECT_FALSE(common::round4_ge(zero, nan));
  EXPECT_FALSE(common::round4_ge(nan, nan));
  EXPECT_FALSE(common::round4_gt(nan, zero));
  EXPECT_TRUE(common::round4_ge(zero, zero));
  EXPECT_FALSE(common::round4_gt(zero, zero));
}

}  // namespace
