// The Kolmogorov-Smirnov distance to each of the seven laws. Bit patterns were
// re-computed independently in IEEE double with a single rounding at each
// store (tests/golden/distsearch/derive.py).
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>

#include "distsearch/state.h"
#include "support/floats.h"

namespace {

using distsearch::distance_to_law;
using distsearch::kExponential;
using distsearch::kLawCount;
using distsearch::kNormal;
using distsearch::Law;
using testsupport::bits;
using testsupport::from_bits;

const float kNaN = from_bits(0xFFC00000u);

TEST(DistanceToLaw, HandCases) {
  const float zero[1] = {0.0f};
  // One residual at 0: the normal law puts F = 0.5, gaps 0.5 and 0.5.
  EXPECT_EQ(distance_to_law(kNormal, zero, 1, 1.0f), 0.5f);
  // The exponential: F = 1 - exp(-1) = 0.63212055 against 0 and 1.
  EXPECT_EQ(bits(distance_to_law(kExponential, zero, 1, 1.0f)), 0x3f21d2a7u);
  // -1 and 1: the largest gap is |1/2 - F(-1)| = 0.34134477.
  const float pair[2] = {-1.0f, 1.0f};
  EXPECT_EQ(bits(distance_to_law(kNormal, pair, 2, 1.0f)), 0x3eaec4beu);
}

TEST(DistanceToLaw, CoversBothEndsOfTheEmpiricalFunction) {
  // Residuals far in one tail put the largest gap at an end: |1 - F| after the
  // last residual, or |F - 0| before the first one. A pass that dropped either
  // end gap would give about 1/2 here.
  struct Case {
    const char* name;
    Law law;
    float z[2];
    uint32_t d;
  };
  const Case cases[] = {
      {"normal, both low: 1 - F(-4)", kNormal, {-5.0f, -4.0f}, 0x3f7ffdedu},
      {"normal, both high: F(4) - 0", kNormal, {4.0f, 5.0f}, 0x3f7ffdedu},
      {"exponential, both high: F(4) - 0", kExponential, {4.0f, 5.0f}, 0x3f7e466cu},
      {"exponential, both below -1: 1 - 0", kExponential, {-5.0f, -4.0f}, 0x3f800000u},
      {"normal, one in each tail", kNormal, {-4.0f, 4.0f}, 0x3efffbdau},
  };
  for (const Case& t : cases) {
    EXPECT_EQ(bits(distance_to_law(t.law, t.z, 2, 1.0f)), t.d) << t.name;
  }
}

TEST(DistanceToLaw, EveryLawOnFiveResiduals) {
  const float z[5] = {-1.5f, -0.25f, 0.0f, 0.5f, 2.0f};
  float scale[kLawCount];
  distsearch::fit_law_scales(0.85f, scale);
  const uint32_t expected[kLawCount] = {0x3e54348bu, 0x3e4e5d5fu, 0x3e4c3e1bu, 0x3e30bc97u,
                                        0x3e46d3efu, 0x3e5b4ecfu, 0x3eafbd55u};
  for (int law = 0; law < kLawCount; ++law) {
    EXPECT_EQ(bits(distance_to_law(static_cast<Law>(law), z, 5, scale[law])), expected[law])
        << "law " << law + 1;
  }
}

TEST(DistanceToLaw, DegenerateDataLeaveZero) {
  const float zeros[3] = {0.0f, 0.0f, 0.0f};
  const float with_nan[3] = {-1.0f, kNaN, 1.0f};
  for (int law = 0; law < kLawCount; ++law) {
    const Law l = static_cast<Law>(law);
    // No residuals.
    EXPECT_EQ(bits(distance_to_law(l, zeros, 0, 1.0f)), 0u) << "law " << law + 1;
    // A negative total.
    EXPECT_EQ(bits(distance_to_law(l, zeros, -4, 1.0f)), 0u) << "law " << law + 1;
    // Every group constant: 0/0.
    EXPECT_EQ(bits(distance_to_law(l, zeros, 3, 0.0f)), 0u) << "law " << law + 1;
    // A group of one: NaN scale.
    EXPECT_EQ(bits(distance_to_law(l, with_nan, 3, kNaN)), 0u) << "law " << law + 1;
  }
}

TEST(DistanceToLaw, InfiniteScaledResiduals) {
  // A scale of 0 with residuals that are not 0 (the mean absolute value
  // underflowed): every tail gives NaN except the exponential below -1.
  const float z[2] = {-1e-45f, 1e-45f};
  for (int law = 0; law < kExponential; ++law) {
    EXPECT_EQ(bits(distance_to_law(static_cast<Law>(law), z, 2, 0.0f)), 0u) << "law " << law + 1;
  }
  EXPECT_EQ(distance_to_law(kExponential, z, 2, 0.0f),
            0.5f);  // F(-Inf) = 0 against the step to 1/2
}

}  // namespace
