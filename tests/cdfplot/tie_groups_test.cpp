// Tie keys and tie groups: M decimals, v*10^M rounded to single and then half
// away from zero; one group per run of equal keys, identical to counting every
// residual per group while the keys fit 32 bits, and still sound beyond.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <memory>
#include <random>
#include <vector>

#include "cdfplot/state.h"

namespace {

const float kInf = std::numeric_limits<float>::infinity();

TEST(TieFactor, WholePowersAndNegativeM) {
  const struct {
    int32_t decimals;
    int32_t factor;
  } cases[] = {{-2147483647 - 1, 0}, {-32, 0}, {-1, 0}, {0, 1}, {1, 10}, {3, 1000},
               {9, 1000000000}};
  for (const auto& c : cases) EXPECT_EQ(cdfplot::tie_factor(c.decimals), c.factor) << c.decimals;
}

TEST(TieKey, RoundsTheSingleProductHalfAwayFromZero) {
  const struct {
    const char* name;
    float v;
    int32_t factor;
    double key;
  } cases[] = {
      {"half way up", 0.25f, 10, 3.0},
      {"half way down", -0.25f, 10, -3.0},
      {"0.3 at M = 0", 0.3f, 1, 0.0},
      {"0.4 at M = 0", 0.4f, 1, 0.0},
      {"0.5 at M = 0", 0.5f, 1, 1.0},
      {"-0.5 at M = 0", -0.5f, 1, -1.0},
      {"just below a half", 0.49999997f, 1, 0.0},
      // 1.15f*10 = 11.4999998 in double, 11.5 once stored single: key 12.
      {"product rounded to single first", 1.15f, 10, 12.0},
      {"beyond 32 bits", 3.0f, 1000000000, 3.0e9},
      {"beyond 32 bits, negative", -4.2426405f, 1000000000, -4242640384.0},  // single product
      {"infinite residual", kInf, 10, kInf},
      {"negative M, any value", 123.4f, 0, 0.0},
      {"negative M, infinite value", -kInf, 0, 0.0},
  };
  for (const auto& c : cases) EXPECT_EQ(cdfplot::tie_key(c.v, c.factor), c.key) << c.name;
}

struct Groups {
  std::vector<float> first_value;
  std::vector<int32_t> count_before;
};

Groups groups_of(const std::vector<float>& z, int32_t factor) {
  auto ties = std::make_unique<cdfplot::TieGroups>();
  cdfplot::find_tie_groups(z.data(), static_cast<int32_t>(z.size()), factor, *ties);
  Groups g;
  g.first_value.assign(ties->first_value, ties->first_value + ties->count);
  g.count_before.assign(ties->count_before, ties->count_before + ties->count + 1);
  return g;
}

TEST(FindTieGroups, GroupsAndCounts) {
  const struct {
    const char* name;
    std::vector<float> z;
    int32_t factor;
    std::vector<float> first_value;
    std::vector<int32_t> count_before;
  } cases[] = {
      {"worked example, two zeros tie",
       {-2.4494896f, -1.2247448f, 0.0f, 0.0f, 1.2247448f, 2.4494896f},
       10,
       {-2.4494896f, -1.2247448f, 0.0f, 1.2247448f, 2.4494896f},
       {0, 1, 2, 4, 5, 6}},
      {"negative M: one group",
       {-2.4494896f, -1.2247448f, 0.0f, 0.0f, 1.2247448f, 2.4494896f},
       0,
       {-2.4494896f},
       {0, 6}},
      {"0.3 and 0.4 at M = 0", {0.3f, 0.4f}, 1, {0.3f}, {0, 2}},
      {"half way keys meet their neighbours",
       {-0.29698485f, -0.25f, 0.25f, 0.29698485f},
       10,
       {-0.29698485f, 0.25f},
       {0, 2, 4}},
      {"keys beyond 32 bits stay distinct",
       {-4.2426405f, 4.2426405f},
       1000000000,
       {-4.2426405f, 4.2426405f},
       {0, 1, 2}},
      {"infinite residuals group at the ends",
       {-kInf, -kInf, 0.0f, kInf, kInf},
       1000,
       {-kInf, 0.0f, kInf},
       {0, 2, 3, 5}},
      {"infinite residuals with negative M", {-kInf, 1.0f, kInf}, 0, {-kInf}, {0, 3}},
      {"a single residual", {7.0f}, 10, {7.0f}, {0, 1}},
      {"no residual", {}, 10, {}, {0}},
  };
  for (const auto& c : cases) {
    const Groups g = groups_of(c.z, c.factor);
    EXPECT_EQ(g.first_value, c.first_value) << c.name;
    EXPECT_EQ(g.count_before, c.count_before) << c.name;
  }
}

// The plain rule: for each group, count every residual whose 32-bit key
// equals the key of the group's first value.
Groups groups_by_counting(const std::vector<float>& z, int32_t factor) {
  auto key = [factor](float v) {
    return static_cast<int32_t>(
        std::round(static_cast<double>(static_cast<float>(static_cast<double>(v) * factor))));
  };
  Groups g;
  const int32_t n = static_cast<int32_t>(z.size());
  g.count_before.push_back(0);
  g.first_value.push_back(z[0]);
  for (;;) {
    int32_t count = 0;
    for (float v : z) count += key(v) == key(g.first_value.back()) ? 1 : 0;
    g.count_before.push_back(g.count_before.back() + count);
    if (g.count_before.back() == n) break;
    g.first_value.push_back(z[g.count_before.back()]);
  }
  return g;
}

TEST(FindTieGroups, SameAsCountingEveryResidualInsideTheRange) {
  std::mt19937 gen(12345);
  for (int32_t m = 0; m <= 4; ++m) {
    const int32_t factor = cdfplot::tie_factor(m);
    for (int trial = 0; trial < 20; ++trial) {
      std::normal_distribution<float> dist(0.0f, 1.0f + trial);
      std::vector<float> z(200);
      for (float& v : z) v = std::round(dist(gen) * 400.0f) / 400.0f;  // many ties
      std::sort(z.begin(), z.end());
      const Groups fast = groups_of(z, factor);
      const Groups plain = groups_by_counting(z, factor);
      ASSERT_EQ(fast.first_value, plain.first_value) << "M = " << m << " trial " << trial;
      ASSERT_EQ(fast.count_before, plain.count_before) << "M = " << m << " trial " << trial;
    }
  }
}

TEST(FindTieGroups, TenThousandDistinctResiduals) {
  std::vector<float> z(10000);
  for (int i = 0; i < 10000; ++i) z[i] = static_cast<float>(i - 5000) / 1000.0f;
  const Groups g = groups_of(z, 1000);
  ASSERT_EQ(g.first_value.size(), 10000u);
  EXPECT_EQ(g.count_before.back(), 10000);
  EXPECT_EQ(g.count_before[1], 1);
}

}  // namespace
