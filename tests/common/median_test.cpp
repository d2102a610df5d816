// median against a plain step-by-step reference of the split-and-select-sort
// method (mean in double, split in input order, partial selection sort of the
// part that holds the middle), on small worked cases and on random data with
// many ties, infinities and NaNs.
#include "common/median.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <random>
#include <vector>

namespace {

// The classic method, step by step, quadratic in the worst case.
float reference_median(const std::vector<float>& x) {
  const int32_t n = static_cast<int32_t>(x.size());
  if (n <= 0) return 0.0f;
  double m = 0.0;
  for (float v : x) m += static_cast<double>(v) / static_cast<double>(n);
  std::vector<float> lo;
  std::vector<float> up;
  for (float v : x) {
    if (static_cast<double>(v) <= m) {
      lo.push_back(v);
    } else {
      up.push_back(v);
    }
  }
  const int32_t k = static_cast<int32_t>(lo.size());
  const int32_t j = static_cast<int32_t>(up.size());
  const int32_t v = (n + 1) / 2;
  const int32_t t = (n + 2) / 2;
  auto half = [](float a, float b) {
    return static_cast<float>((static_cast<double>(a) + static_cast<double>(b)) / 2.0);
  };
  if (k > j) {
    for (int32_t w = 1; w <= k - v + 1; ++w) {
      float best = lo[w - 1];
      int32_t at = 0;
      for (int32_t i = w + 1; i <= k; ++i) {
        if (lo[i - 1] > best) {
          best = lo[i - 1];
          at = i;
        }
      }
      if (at != 0) std::swap(lo[w - 1], lo[at - 1]);
    }
    return half(lo[k - t], lo[k - v]);
  }
  if (k < j) {
    for (int32_t w = 1; w <= t - k; ++w) {
      float best = up[w - 1];
      int32_t at = 0;
      for (int32_t i = w + 1; i <= j; ++i) {
        if (up[i - 1] < best) {
          best = up[i - 1];
          at = i;
        }
      }
      if (at != 0) std::swap(up[w - 1], up[at - 1]);
    }
    return half(up[v - k - 1], up[t - k - 1]);
  }
  float a = lo[0];
  for (int32_t i = 1; i < k; ++i) {
    if (lo[i] > a) a = lo[i];
  }
  float b = up[0];
  for (int32_t i = 1; i < j; ++i) {
    if (up[i] < b) b = up[i];
  }
  return half(a, b);
}

// Same value: equal, or both NaN (a zero's sign is not compared: no printed
// result can show it).
bool same(float a, float b) { return (std::isnan(a) && std::isnan(b)) || a == b; }

TEST(Median, WorkedCases) {
  struct Case {
    std::vector<float> x;
    float med;
  };
  const Case cases[] = {
      {{3, 1, 2}, 2.0f},
      {{4, 1, 3, 2}, 2.5f},
      {{7.25f}, 7.25f},
      {{5, 5}, 5.0f},
      {{2, 2, 9}, 2.0f},
      {{-3, -4, -2, -3, -1, -2}, -2.5f},
      // Walsh averages of the residuals 2, 3, 4, 2.5, 3.5: median 3.
      {{2, 2.5f, 3, 2.25f, 2.75f, 3, 3.5f, 2.75f, 3.25f, 4, 3.25f, 3.75f, 2.5f, 3, 3.5f}, 3.0f},
      // The ten Walsh averages of 1, 2, 3, 10.
      {{1, 1.5f, 2, 5.5f, 2, 2.5f, 6, 3, 6.5f, 10}, 2.75f},
      // Halves added in double: no overflow in single.
      {{3e38f, 3e38f}, 3e38f},
  };
  for (const Case& tc : cases) {
    const std::vector<float> before = tc.x;
    EXPECT_EQ(common::median(tc.x.data(), static_cast<int32_t>(tc.x.size())), tc.med);
    EXPECT_EQ(std::memcmp(before.data(), tc.x.data(), before.size() * sizeof(float)), 0);
  }
}

TEST(Median, EmptyGivesZero) {
  EXPECT_EQ(common::median(nullptr, 0), 0.0f);
  const float x[1] = {4.0f};
  EXPECT_EQ(common::median(x, -3), 0.0f);
}

TEST(Median, NaNsGoAboveAndStayInPlace) {
  const float nan = std::nanf("");
  struct Case {
    std::vector<float> x;
  };
  const Case cases[] = {
      {{nan, 1, 2}},
      {{1, nan, 2}},
      {{1, 2, nan}},
      {{nan}},
      {{nan, nan, 3, 1}},
      {{2, nan, 1, nan, 0}},
      {{INFINITY, -INFINITY, 1}},
      {{INFINITY, 1, 2}},
      {{-INFINITY, 5, 5, 5}},
      {{nan, 4, 4, 4}},
  };
  for (const Case& tc : cases) {
    const float got = common::median(tc.x.data(), static_cast<int32_t>(tc.x.size()));
    EXPECT_TRUE(same(got, reference_median(tc.x))) << tc.x.size();
  }
}

TEST(Median, MatchesReferenceOnRandomDataWithTies) {
  std::mt19937 rng(20240611u);
  const float nan = std::nanf("");
  for (int trial = 0; trial < 3000; ++trial) {
    const int n = 1 + static_cast<int>(rng() % 60);
    const int spread = 1 + static_cast<int>(rng() % 6);  // few distinct values: many ties
    const int kind = trial % 6;
    std::vector<float> x(static_cast<size_t>(n));
    for (float& v : x) {
      v = static_cast<float>(static_cast<int>(rng() % spread)) * 0.5f - 1.0f;
      if (kind == 1 && rng() % 10 == 0) v = 1e6f;                  // outliers above
      if (kind == 2 && rng() % 10 == 0) v = -1e6f;                 // outliers below
      if (kind == 3 && rng() % 12 == 0) v = nan;                   // NaNs
      if (kind == 4 && rng() % 15 == 0) v = INFINITY;              // one-sided infinity
      if (kind == 5) v = static_cast<float>(rng() % 1000) / 7.0f;  // mostly distinct
    }
    const float got = common::median(x.data(), n);
    const float want = reference_median(x);
    ASSERT_TRUE(same(got, want)) << "trial " << trial << " n " << n << ": " << got << " vs "
                                 << want;
    // The variant that may reorder its scratch copy gives median's bits; in
    // odd trials some zeros turn negative, alone or beside positive ones.
    std::vector<float> scratch = x;
    if (trial % 2 == 1) {
      for (float& v : scratch) {
        if (v == 0.0f && (trial % 4 == 1 || rng() % 2 == 0)) v = -0.0f;
      }
    }
    const float want_scratch = common::median(scratch.data(), n);
    const float got_scratch = common::median_of_scratch(scratch.data(), n);
    ASSERT_TRUE(std::isnan(want_scratch)
                    ? std::isnan(got_scratch)
                    : std::signbit(got_scratch) == std::signbit(want_scratch) &&
                          got_scratch == want_scratch)
        << "scratch, trial " << trial << " n " << n;
  }
}

TEST(Median, LargeOneSidedInputIsFast) {
  // One huge outlier among 500500 nearly equal values puts almost everything on
  // one side of the mean: the classic selection sort would take minutes.
  std::vector<float> x(500500, 1.0f);
  for (size_t i = 0; i < x.size(); ++i) x[i] = 1.0f + static_cast<float>(i % 7) * 0.125f;
  x[17] = 1e30f;
  const float med = common::median(x.data(), static_cast<int32_t>(x.size()));
  EXPECT_EQ(med, 1.375f);
}

}  // namespace
