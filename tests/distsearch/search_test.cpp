// The search: mean absolute residual, the six scale factors, the distance
// template over its seven members, and the choice of the closest law at five
// decimals. Bit patterns were re-computed independently in IEEE double with a
// single rounding at each store (tests/golden/distsearch/derive.py).
#include "search.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>

#include "support/floats.h"

namespace {

using testsupport::bits;
using testsupport::from_bits;

const float kNaN = from_bits(0xFFC00000u);

TEST(Statis, MeanAbsoluteValueDividesEachTerm) {
  struct Case {
    const char* name;
    float z[3];
    int32_t n;
    uint32_t a;
  };
  const Case cases[] = {
      {"divide-first", {6.7f, -0.9f, 1.2f}, 3, 0x403bbbbbu},  // not 2.9333334 (403bbbbc)
      {"integers", {-1.0f, 2.0f, -3.0f}, 3, 0x40000000u},     // 2.0
      {"empty", {5.0f, 5.0f, 5.0f}, 0, 0x00000000u},
      {"negative-count", {5.0f, 5.0f, 5.0f}, -2, 0x00000000u},
  };
  for (const Case& t : cases) {
    float a = 99.0f;
    distsearch::statis_(t.z, t.n, a);
    EXPECT_EQ(bits(a), t.a) << t.name;
  }
  const float with_nan[2] = {1.0f, kNaN};
  float a;
  distsearch::statis_(with_nan, 2, a);
  EXPECT_TRUE(std::isnan(a));
}

TEST(ScaleFactors, FromStoredConstants) {
  struct Case {
    float a;
    uint32_t f[6];
  };
  const Case cases[] = {
      // 1.2533141 = 1/sqrt(2/pi); 1.4142135 = sqrt(2); 1.3591400 = 2.71828/2
      // (with e itself it would be 1.3591409).
      {1.0f, {0x3fa06c99u, 0x3fac8f79u, 0x3fa778fdu, 0x3fb504f3u, 0x3fa37d4bu, 0x3fadf84du}},
      {0.7f, {0x3f60980au, 0x3f7195aau, 0x3f6a762eu, 0x3f7d6d54u, 0x3f64e29cu, 0x3f738ed2u}},
      {0.0f, {0u, 0u, 0u, 0u, 0u, 0u}},
  };
  for (const Case& t : cases) {
    float f[distsearch::kScaleFactors];
    distsearch::scale_factors(t.a, f);
    for (int k = 0; k < distsearch::kScaleFactors; ++k) {
      EXPECT_EQ(bits(f[k]), t.f[k]) << "a = " << t.a << ", factor " << k + 1;
    }
  }
  float f[distsearch::kScaleFactors];
  distsearch::scale_factors(kNaN, f);
  for (float v : f) EXPECT_TRUE(std::isnan(v));
}

using Member = void (*)(const float*, int32_t, float, float&);
const Member kMembers[distsearch::kLaws] = {
    distsearch::empn_,   distsearch::empcn_,  distsearch::emplg_, distsearch::empde_,
    distsearch::empco1_, distsearch::empco2_, distsearch::empex_};

TEST(Distance, HandCases) {
  float d;
  const float zero[1] = {0.0f};
  // One residual at 0: the normal law puts F = 0.5, gaps 0.5 and 0.5.
  distsearch::empn_(zero, 1, 1.0f, d);
  EXPECT_EQ(d, 0.5f);
  // The exponential: F = 1 - exp(-1) = 0.63212055 against 0 and 1.
  distsearch::empex_(zero, 1, 1.0f, d);
  EXPECT_EQ(bits(d), 0x3f21d2a7u);
  // -1 and 1: the largest gap is |1/2 - F(-1)| = 0.34134477.
  const float pair[2] = {-1.0f, 1.0f};
  distsearch::empn_(pair, 2, 1.0f, d);
  EXPECT_EQ(bits(d), 0x3eaec4beu);
}

TEST(Distance, CoversBothEndsOfTheEmpiricalFunction) {
  // Residuals far in one tail put the largest gap at an end: |1 - F| after the
  // last residual, or |F - 0| before the first one. A pass that dropped either
  // end gap would give about 1/2 here.
  struct Case {
    const char* name;
    Member member;
    float z[2];
    uint32_t d;
  };
  const Case cases[] = {
      {"normal, both low: 1 - F(-4)", distsearch::empn_, {-5.0f, -4.0f}, 0x3f7ffdedu},
      {"normal, both high: F(4) - 0", distsearch::empn_, {4.0f, 5.0f}, 0x3f7ffdedu},
      {"exponential, both high: F(4) - 0", distsearch::empex_, {4.0f, 5.0f}, 0x3f7e466cu},
      {"exponential, both below -1: 1 - 0", distsearch::empex_, {-5.0f, -4.0f}, 0x3f800000u},
      {"normal, one in each tail", distsearch::empn_, {-4.0f, 4.0f}, 0x3efffbdau},
  };
  for (const Case& t : cases) {
    float d = 7.0f;
    t.member(t.z, 2, 1.0f, d);
    EXPECT_EQ(bits(d), t.d) << t.name;
  }
}

TEST(Distance, EveryMemberOnFiveResiduals) {
  const float z[5] = {-1.5f, -0.25f, 0.0f, 0.5f, 2.0f};
  float f[distsearch::kScaleFactors];
  distsearch::scale_factors(0.85f, f);
  const int factor_of_law[distsearch::kLaws] = {0, 1, 2, 3, 4, 4, 5};
  const uint32_t expected[distsearch::kLaws] = {0x3e54348bu, 0x3e4e5d5fu, 0x3e4c3e1bu, 0x3e30bc97u,
                                                0x3e46d3efu, 0x3e5b4ecfu, 0x3eafbd55u};
  for (int law = 0; law < distsearch::kLaws; ++law) {
    float d;
    kMembers[law](z, 5, f[factor_of_law[law]], d);
    EXPECT_EQ(bits(d), expected[law]) << "law " << law + 1;
  }
}

TEST(Distance, DegenerateDataLeaveZero) {
  const float zeros[3] = {0.0f, 0.0f, 0.0f};
  const float with_nan[3] = {-1.0f, kNaN, 1.0f};
  for (int law = 0; law < distsearch::kLaws; ++law) {
    float d = 7.0f;
    kMembers[law](zeros, 0, 1.0f, d);  // no residuals
    EXPECT_EQ(bits(d), 0u) << "law " << law + 1;
    kMembers[law](zeros, -4, 1.0f, d);  // a negative total
    EXPECT_EQ(bits(d), 0u) << "law " << law + 1;
    kMembers[law](zeros, 3, 0.0f, d);  // every group constant: 0/0
    EXPECT_EQ(bits(d), 0u) << "law " << law + 1;
    kMembers[law](with_nan, 3, kNaN, d);  // a group of one: NaN scale
    EXPECT_EQ(bits(d), 0u) << "law " << law + 1;
  }
}

TEST(Distance, InfiniteScaledResiduals) {
  // A scale of 0 with residuals that are not 0 (the mean absolute value
  // underflowed): every tail gives NaN except the exponential below -1.
  const float z[2] = {-1e-45f, 1e-45f};
  for (int law = 0; law < distsearch::kLaws - 1; ++law) {
    float d;
    kMembers[law](z, 2, 0.0f, d);
    EXPECT_EQ(bits(d), 0u) << "law " << law + 1;
  }
  float d;
  distsearch::empex_(z, 2, 0.0f, d);
  EXPECT_EQ(d, 0.5f);  // F(-Inf) = 0 against the step to 1/2
}

TEST(ClosestLaw, FiveDecimalsHalfAwayTiesToEarlier) {
  struct Case {
    const char* name;
    float d[7];
    int law;  // 0-based
  };
  const float half = from_bits(0x3dfcd5f9u);   // times 1e5 stores 12345.5 -> 12346
  const float below = from_bits(0x3dfcd5f8u);  // stores 12345.499 -> 12345
  const Case cases[] = {
      {"all-zero", {0, 0, 0, 0, 0, 0, 0}, 0},
      {"clear-minimum", {0.3f, 0.2f, 0.25f, 0.4f, 0.5f, 0.6f, 0.7f}, 1},
      {"tie-at-five-decimals", {0.2f, 0.2f, 0.123446f, 0.123454f, 0.2f, 0.2f, 0.2f}, 2},
      {"tie-reversed", {0.2f, 0.2f, 0.123454f, 0.123446f, 0.2f, 0.2f, 0.2f}, 2},
      {"half-goes-up", {half, below, 0.2f, 0.2f, 0.2f, 0.2f, 0.2f}, 1},
      {"half-loses-to-below", {half, 0.2f, 0.2f, 0.2f, 0.2f, below, 0.2f}, 5},
      {"last-law", {0.3f, 0.3f, 0.3f, 0.3f, 0.3f, 0.3f, 0.1f}, 6},
      {"differ-below-five-decimals", {0.100004f, 0.100001f, 1, 1, 1, 1, 1}, 0},
  };
  for (const Case& t : cases) {
    EXPECT_EQ(distsearch::closest_law(t.d), t.law) << t.name;
  }
}

}  // namespace
