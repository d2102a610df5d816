// The fitted scale of each law from stored constants. Bit patterns were
// re-computed independently in IEEE double with a single rounding at each
// store (tests/golden/distsearch/derive.py).
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>

#include "distsearch/state.h"
#include "support/floats.h"

namespace {

using testsupport::bits;
using testsupport::from_bits;

TEST(FitLawScales, FromStoredConstants) {
  struct Case {
    float a;
    uint32_t scale[distsearch::kLawCount];
  };
  // The two outlier mixtures share one scale.
  const Case cases[] = {
      // 1.2533141 = 1/sqrt(2/pi); 1.4142135 = sqrt(2); 1.3591400 = 2.71828/2
      // (with e itself it would be 1.3591409).
      {1.0f,
       {0x3fa06c99u, 0x3fac8f79u, 0x3fa778fdu, 0x3fb504f3u, 0x3fa37d4bu, 0x3fa37d4bu, 0x3fadf84du}},
      {0.7f,
       {0x3f60980au, 0x3f7195aau, 0x3f6a762eu, 0x3f7d6d54u, 0x3f64e29cu, 0x3f64e29cu, 0x3f738ed2u}},
      {0.0f, {0u, 0u, 0u, 0u, 0u, 0u, 0u}},
  };
  for (const Case& t : cases) {
    float scale[distsearch::kLawCount];
    distsearch::fit_law_scales(t.a, scale);
    for (int law = 0; law < distsearch::kLawCount; ++law) {
      EXPECT_EQ(bits(scale[law]), t.scale[law]) << "a = " << t.a << ", law " << law + 1;
    }
  }
  float scale[distsearch::kLawCount];
  distsearch::fit_law_scales(from_bits(0xFFC00000u), scale);
  for (float v : scale) EXPECT_TRUE(std::isnan(v));
}

}  // namespace
