// The mean absolute residual, each term divided before it is added. Bit
// patterns were re-computed independently in IEEE double with a single
// rounding at each store (tests/golden/distsearch/derive.py).
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>

#include "distsearch/state.h"
#include "support/floats.h"

namespace {

using testsupport::bits;
using testsupport::from_bits;

TEST(MeanAbsoluteResidual, DividesEachTerm) {
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
    EXPECT_EQ(bits(distsearch::mean_absolute_residual(t.z, t.n)), t.a) << t.name;
  }
  const float with_nan[2] = {1.0f, from_bits(0xFFC00000u)};
  EXPECT_TRUE(std::isnan(distsearch::mean_absolute_residual(with_nan, 2)));
}

}  // namespace
