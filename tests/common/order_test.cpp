// Selection sort: ascending order, one exchange per pass, equal values never
// exchanged (so the sort is not stable), NaNs left at their positions.
#include "common/order.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <vector>

#include "support/floats.h"

namespace {

using testsupport::bits;
using testsupport::from_bits;

const float kNaN = from_bits(0xFFC00000u);  // the NaN of an invalid operation

struct SortCase {
  const char* name;
  std::vector<float> in;
  std::vector<float> out;
};

TEST(Order, SortsListedCases) {
  const SortCase cases[] = {
      {"three-one-two", {3, 1, 2}, {1, 2, 3}},
      {"all-equal", {1, 1, 1}, {1, 1, 1}},
      {"two-two-one", {2, 2, 1}, {1, 2, 2}},
      {"already-sorted", {-1, 0, 5, 7}, {-1, 0, 5, 7}},
      {"reversed", {4, 3, 2, 1, 0}, {0, 1, 2, 3, 4}},
      {"single", {9}, {9}},
      {"negative-values", {-0.5f, -2.25f, 3.0f, -2.25f}, {-2.25f, -2.25f, -0.5f, 3.0f}},
  };
  for (const SortCase& t : cases) {
    std::vector<float> z = t.in;
    common::order_(z.data(), static_cast<int32_t>(z.size()));
    EXPECT_EQ(z, t.out) << t.name;
  }
}

// 2, 2, 1: the first pass exchanges the first 2 with the 1, so that 2 ends
// last. To see which of two equal values went where, use values equal under
// comparison but different in storage: +0 and -0.
TEST(Order, NotStableEqualValuesMoveByExchange) {
  float z[3] = {0.0f, -0.0f, -1.0f};  // 0 == -0: (2, 2, 1) in disguise
  common::order_(z, 3);
  EXPECT_EQ(bits(z[0]), bits(-1.0f));
  EXPECT_EQ(bits(z[1]), bits(-0.0f));  // the second "2" stays in place
  EXPECT_EQ(bits(z[2]), bits(0.0f));   // the first "2" went to the end
}

TEST(Order, EqualMinimumFirstFoundIsTaken) {
  // Minimum -0 found first, +0 later is not smaller: the -0 is moved to front.
  float z[3] = {1.0f, -0.0f, 0.0f};
  common::order_(z, 3);
  EXPECT_EQ(bits(z[0]), bits(-0.0f));
  EXPECT_EQ(bits(z[1]), bits(0.0f));
  EXPECT_EQ(bits(z[2]), bits(1.0f));
}

TEST(Order, NaNKeepsItsPosition) {
  struct NaNCase {
    const char* name;
    std::vector<float> in;
    std::vector<float> out;  // NaN positions given as NaN
  };
  const NaNCase cases[] = {
      {"nan-first", {kNaN, 3, 1, 2}, {kNaN, 1, 2, 3}},
      {"nan-middle", {3, kNaN, 1, 2}, {1, kNaN, 2, 3}},
      {"nan-last", {3, 1, 2, kNaN}, {1, 2, 3, kNaN}},
      {"two-nans", {5, kNaN, 4, kNaN, 3}, {3, kNaN, 4, kNaN, 5}},
      {"only-nan", {kNaN}, {kNaN}},
  };
  for (const NaNCase& t : cases) {
    std::vector<float> z = t.in;
    common::order_(z.data(), static_cast<int32_t>(z.size()));
    ASSERT_EQ(z.size(), t.out.size());
    for (size_t i = 0; i < z.size(); ++i) {
      if (std::isnan(t.out[i])) {
        EXPECT_EQ(bits(z[i]), 0xFFC00000u) << t.name << " at " << i;
      } else {
        EXPECT_EQ(z[i], t.out[i]) << t.name << " at " << i;
      }
    }
  }
}

TEST(Order, NonPositiveCountTouchesNothing) {
  float z[2] = {2.0f, 1.0f};
  common::order_(z, 0);
  common::order_(z, -5);
  common::order_(z, std::numeric_limits<int32_t>::min());
  common::order_(z, 1);
  EXPECT_EQ(z[0], 2.0f);
  EXPECT_EQ(z[1], 1.0f);
}

TEST(Order, InfinitiesSortNormally) {
  const float inf = std::numeric_limits<float>::infinity();
  float z[4] = {inf, -inf, 0.0f, -1.0f};
  common::order_(z, 4);
  EXPECT_EQ(z[0], -inf);
  EXPECT_EQ(z[1], -1.0f);
  EXPECT_EQ(z[2], 0.0f);
  EXPECT_EQ(z[3], inf);
}

}  // namespace
