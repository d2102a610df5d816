// The generators' first values, the 1.0 boundary and its replacement, and the
// partial permutation's index rule.
#include "common/uniform_generator.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(UniformGenerator, FirstValuesOfBothGenerators) {
  common::UniformGenerator g1;
  const uint32_t x1[3] = {1048283073u, 1119469469u, 1656357001u};
  const float u1[3] = {0.488144845f, 0.521293581f, 0.771301329f};
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(g1.next(), u1[i]) << i;
    EXPECT_EQ(g1.state(), x1[i]) << i;
  }
  common::NonzeroUniformGenerator g3;
  const uint32_t x3[3] = {1666515355u, 311155919u, 1060630707u};
  const float u3[3] = {0.776031673f, 0.144893259f, 0.493894666f};
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(g3.next(), u3[i]) << i;
    EXPECT_EQ(g3.state(), x3[i]) << i;
  }
}

TEST(UniformGenerator, FreshGeneratorRepeatsTheStream) {
  common::UniformGenerator a;
  for (int i = 0; i < 1000; ++i) a.next();
  common::UniformGenerator b;
  common::UniformGenerator c;
  for (int i = 0; i < 50; ++i) EXPECT_EQ(b.next(), c.next());
}

// A state whose successor is x: x = 5^11 * s mod 2^31 has a solution s because
// 5^11 is odd; s = x * inverse(5^11) mod 2^31.
uint32_t predecessor(uint32_t x) {
  uint32_t inv = 1;  // Newton iteration for the inverse modulo 2^32
  for (int i = 0; i < 6; ++i) inv *= 2u - 48828125u * inv;
  return (x * inv) & 0x7FFFFFFFu;
}

TEST(UniformGenerator, OneAtTheTopOfTheRange) {
  struct Case {
    uint32_t next_x;
    float u;
  };
  const Case cases[] = {{2147483647u, 1.0f},
                        {2147483585u, 1.0f},
                        {2147483583u, 0.99999994f},
                        {2147483521u, 0.99999994f}};
  for (const Case& tc : cases) {
    common::UniformGenerator g = common::UniformGenerator::at_state(predecessor(tc.next_x));
    EXPECT_EQ(g.next(), tc.u) << tc.next_x;
    EXPECT_EQ(g.state(), tc.next_x);
  }
}

TEST(UniformGenerator, SecondGeneratorReplacesOneByTheNextValue) {
  const uint32_t top = 2147483585u;  // odd, >= 2^31 - 64: hands out 1.0
  common::NonzeroUniformGenerator g = common::NonzeroUniformGenerator::at_state(predecessor(top));
  uint32_t x = top;
  const float expected = common::next_uniform(x);
  EXPECT_EQ(g.next(), expected);
  EXPECT_EQ(g.state(), x);
  EXPECT_LT(expected, 1.0f);
}

TEST(PartialShuffle, IndexRule) {
  struct Case {
    const char* name;
    int32_t n;
    std::vector<float> u;
    std::vector<float> after;  // starting from 1..n
  };
  const std::vector<Case> cases = {
      {"m = 0 leaves all", 4, {}, {1, 2, 3, 4}},
      {"u = 1.0 at q = 7 swaps 1 and 7", 7, {1.0f}, {7, 2, 3, 4, 5, 6, 1}},
      {"u = 0 swaps 1 and q", 3, {0.0f}, {3, 2, 1}},
      {"q u truncated", 5, {0.5f, 0.99f}, {1, 2, 5, 4, 3}},
      // j = trunc(5*0.5)+1 = 3: swap 3,5 -> 1 2 5 4 3; j = trunc(4*0.99)+1 = 4: self.
      {"m = n, last swaps position 1 with itself", 3, {0.0f, 0.0f, 0.7f}, {2, 3, 1}},
      // q=3 j=1: 3 2 1; q=2 j=1: 2 3 1; q=1 j=1: unchanged.
  };
  for (const Case& tc : cases) {
    std::vector<float> r(static_cast<size_t>(tc.n));
    for (int32_t i = 0; i < tc.n; ++i) r[static_cast<size_t>(i)] = static_cast<float>(i + 1);
    EXPECT_TRUE(
        common::partial_shuffle(r.data(), tc.n, tc.u.data(), static_cast<int32_t>(tc.u.size())));
    EXPECT_EQ(r, tc.after) << tc.name;
  }
}

TEST(PartialShuffle, RefusesMoreStepsThanPositions) {
  std::vector<float> r = {1, 2};
  const float u[3] = {0.5f, 0.5f, 0.5f};
  EXPECT_FALSE(common::partial_shuffle(r.data(), 2, u, 3));
  EXPECT_EQ(r, (std::vector<float>{1, 2}));
}

// The shuffle that draws as it goes (four states a step) against m single
// draws followed by partial_shuffle: the same arrangement and the same final state, for
// every remainder of the count, from a fresh generator and from states near the
// top of the range (where a draw of exactly 1.0 sends j back to 1). At n = 1000
// an index floored from the state itself, not from its single rounding, first
// differs in the 214th round (at q = 853) and again in the 310th.
TEST(UniformGenerator, ShuffleMatchesSingleDrawsThenPermutation) {
  const uint32_t starts[] = {0u, 1u, 1077u, 2147483647u, 2147483583u, 123456789u};
  for (uint32_t start : starts) {
    for (int32_t m = 0; m <= 13; ++m) {
      common::UniformGenerator one = common::UniformGenerator::at_state(start);
      common::UniformGenerator fused = common::UniformGenerator::at_state(start);
      std::vector<float> expected(13), got(13);
      for (int32_t i = 0; i < 13; ++i) expected[i] = got[i] = static_cast<float>(i + 1);
      std::vector<float> u(static_cast<size_t>(m) + 1);
      for (int32_t t = 0; t < m; ++t) u[t] = one.next();
      ASSERT_TRUE(common::partial_shuffle(expected.data(), 13, u.data(), m));
      ASSERT_TRUE(fused.shuffle(got.data(), 13, m));
      EXPECT_EQ(got, expected) << start << " " << m;
      EXPECT_EQ(fused.state(), one.state()) << start << " " << m;
    }
  }
  common::UniformGenerator fresh_one;
  common::UniformGenerator fresh_fused;
  std::vector<float> expected(1000), got(1000);
  for (int32_t i = 0; i < 1000; ++i) expected[i] = got[i] = static_cast<float>(i);
  std::vector<float> u(999);
  for (int round = 0; round < 400; ++round) {
    for (float& v : u) v = fresh_one.next();
    common::partial_shuffle(expected.data(), 1000, u.data(), 999);
    fresh_fused.shuffle(got.data(), 1000, 999);
  }
  EXPECT_EQ(got, expected);
  EXPECT_EQ(fresh_fused.state(), fresh_one.state());
  EXPECT_FALSE(fresh_fused.shuffle(got.data(), 2, 3));
}

}  // namespace
