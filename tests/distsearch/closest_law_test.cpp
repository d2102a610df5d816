// The choice of the closest law at five decimals.
#include <gtest/gtest.h>

#include "distsearch/state.h"
#include "support/floats.h"

namespace {

using testsupport::from_bits;

TEST(ClosestLaw, FiveDecimalsHalfAwayTiesToEarlier) {
  using distsearch::Law;
  struct Case {
    const char* name;
    float distance[distsearch::kLawCount];
    Law law;
  };
  const float half = from_bits(0x3dfcd5f9u);   // times 1e5 stores 12345.5 -> 12346
  const float below = from_bits(0x3dfcd5f8u);  // stores 12345.499 -> 12345
  const Case cases[] = {
      {"all-zero", {0, 0, 0, 0, 0, 0, 0}, distsearch::kNormal},
      {"clear-minimum", {0.3f, 0.2f, 0.25f, 0.4f, 0.5f, 0.6f, 0.7f}, distsearch::kNormalMixture},
      {"tie-at-five-decimals",
       {0.2f, 0.2f, 0.123446f, 0.123454f, 0.2f, 0.2f, 0.2f},
       distsearch::kLogistic},
      {"tie-reversed", {0.2f, 0.2f, 0.123454f, 0.123446f, 0.2f, 0.2f, 0.2f}, distsearch::kLogistic},
      {"half-goes-up", {half, below, 0.2f, 0.2f, 0.2f, 0.2f, 0.2f}, distsearch::kNormalMixture},
      {"half-loses-to-below",
       {half, 0.2f, 0.2f, 0.2f, 0.2f, below, 0.2f},
       distsearch::kSmallOutlierMixture},
      {"last-law", {0.3f, 0.3f, 0.3f, 0.3f, 0.3f, 0.3f, 0.1f}, distsearch::kExponential},
      {"differ-below-five-decimals", {0.100004f, 0.100001f, 1, 1, 1, 1, 1}, distsearch::kNormal},
  };
  for (const Case& t : cases) {
    EXPECT_EQ(distsearch::closest_law(t.distance), t.law) << t.name;
  }
}

}  // namespace
