// Selection sort: ascending order, one exchange per pass, equal values never
// exchanged (so the sort is not stable), NaNs left at their positions.
#include "common/sort.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
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

TEST(SortAscending, SortsListedCases) {
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
    common::sort_ascending(z.data(), static_cast<int32_t>(z.size()));
    EXPECT_EQ(z, t.out) << t.name;
  }
}

// 2, 2, 1: the first pass exchanges the first 2 with the 1, so that 2 ends
// last. To see which of two equal values went where, use values equal under
// comparison but different in storage: +0 and -0.
TEST(SortAscending, NotStableEqualValuesMoveByExchange) {
  float z[3] = {0.0f, -0.0f, -1.0f};  // 0 == -0: (2, 2, 1) in disguise
  common::sort_ascending(z, 3);
  EXPECT_EQ(bits(z[0]), bits(-1.0f));
  EXPECT_EQ(bits(z[1]), bits(-0.0f));  // the second "2" stays in place
  EXPECT_EQ(bits(z[2]), bits(0.0f));   // the first "2" went to the end
}

TEST(SortAscending, EqualMinimumFirstFoundIsTaken) {
  // Minimum -0 found first, +0 later is not smaller: the -0 is moved to front.
  float z[3] = {1.0f, -0.0f, 0.0f};
  common::sort_ascending(z, 3);
  EXPECT_EQ(bits(z[0]), bits(-0.0f));
  EXPECT_EQ(bits(z[1]), bits(0.0f));
  EXPECT_EQ(bits(z[2]), bits(1.0f));
}

TEST(SortAscending, NaNKeepsItsPosition) {
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
    common::sort_ascending(z.data(), static_cast<int32_t>(z.size()));
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

TEST(SortAscending, NonPositiveCountTouchesNothing) {
  float z[2] = {2.0f, 1.0f};
  common::sort_ascending(z, 0);
  common::sort_ascending(z, -5);
  common::sort_ascending(z, std::numeric_limits<int32_t>::min());
  common::sort_ascending(z, 1);
  EXPECT_EQ(z[0], 2.0f);
  EXPECT_EQ(z[1], 1.0f);
}

TEST(SortAscending, InfinitiesSortNormally) {
  const float inf = std::numeric_limits<float>::infinity();
  float z[4] = {inf, -inf, 0.0f, -1.0f};
  common::sort_ascending(z, 4);
  EXPECT_EQ(z[0], -inf);
  EXPECT_EQ(z[1], -1.0f);
  EXPECT_EQ(z[2], 0.0f);
  EXPECT_EQ(z[3], inf);
}

// The selection sort written out step by step, for the comparisons below.
void reference_order(std::vector<float>& z) {
  const size_t n = z.size();
  for (size_t i = 0; i + 1 < n; ++i) {
    float m = z[i];
    size_t k = n;
    for (size_t j = i + 1; j < n; ++j) {
      if (m > z[j]) {
        m = z[j];
        k = j;
      }
    }
    if (k < n) {
      z[k] = z[i];
      z[i] = m;
    }
  }
}

// Bit for bit against the step-by-step sort, on random vectors drawn from a
// small pool (many ties) holding zeros of either sign, NaNs of several
// patterns, infinities, subnormals and the extremes; some trials keep only
// one sign of zero and no NaN, others mix them.
TEST(SortAscending, MatchesStepByStepSortBitForBit) {
  const float inf = std::numeric_limits<float>::infinity();
  const std::vector<float> pool = {0.0f,
                                   -0.0f,
                                   1.0f,
                                   -1.0f,
                                   2.5f,
                                   -2.5f,
                                   1e-45f,
                                   -1e-45f,
                                   1e-40f,
                                   -1e-40f,
                                   std::numeric_limits<float>::min(),
                                   std::numeric_limits<float>::max(),
                                   -std::numeric_limits<float>::max(),
                                   inf,
                                   -inf,
                                   kNaN,
                                   from_bits(0x7FC00000u),
                                   from_bits(0x7F800001u),
                                   from_bits(0xFFFFFFFFu),
                                   3.0f,
                                   1e30f,
                                   -7.75f};
  std::mt19937 rng(61102u);
  for (int trial = 0; trial < 20000; ++trial) {
    const int kind = trial % 4;  // 0: anything; 1: no NaN; 2: no NaN, no -0; 3: no NaN, no +0
    const size_t n = static_cast<size_t>(rng() % (trial % 50 == 0 ? 600 : 40));
    std::vector<float> z(n);
    for (float& v : z) {
      do {
        v = (rng() % 3 == 0) ? static_cast<float>(static_cast<int>(rng() % 2001) - 1000) / 64.0f
                             : pool[rng() % pool.size()];
      } while ((kind >= 1 && std::isnan(v)) || (kind == 2 && bits(v) == 0x80000000u) ||
               (kind == 3 && bits(v) == 0u));
    }
    std::vector<float> want = z;
    reference_order(want);
    common::sort_ascending(z.data(), static_cast<int32_t>(n));
    for (size_t i = 0; i < n; ++i) {
      ASSERT_EQ(bits(z[i]), bits(want[i])) << "trial " << trial << " n " << n << " at " << i;
    }
  }
}

TEST(SortAscending, LargeVectorIsFast) {
  // 300000 values: the selection sort would make 4.5e10 comparisons.
  std::vector<float> z(300000);
  uint32_t x = 1u;
  for (float& v : z) {
    x = x * 1664525u + 1013904223u;
    v = static_cast<float>(x % 5000u) - 2500.0f;  // zeros, of one sign, and many ties
  }
  common::sort_ascending(z.data(), static_cast<int32_t>(z.size()));
  for (size_t i = 1; i < z.size(); ++i) ASSERT_LE(z[i - 1], z[i]) << i;
  EXPECT_EQ(z.front(), -2500.0f);
  EXPECT_EQ(z.back(), 2499.0f);
}

}  // namespace
