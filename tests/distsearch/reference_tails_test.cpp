// Reference tails at the points where their formulas change: 0, the mixture
// steps +-2.5942581 and the next float above them, -1 for the exponential,
// both sides of zero for the double exponential law, large arguments, NaN and Inf.
// Expected bit patterns were re-computed independently in IEEE double with a
// single rounding at each store (tests/golden/distsearch/derive.py).
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>

#include "common/normal_tail.h"
#include "distsearch/state.h"
#include "support/floats.h"

namespace {

using Tail = float (*)(float);

using testsupport::bits;
using testsupport::from_bits;

const float kStep = 2.5942581f;                        // 40260853
const float kAboveStep = from_bits(0x40260854u);       // 2.5942583
const float kAboveMinusStep = from_bits(0xC0260852u);  // -2.5942578

struct Case {
  const char* name;
  Tail t;
  float x;
  uint32_t q;  // expected bits
};

TEST(ReferenceTails, ListedValuesBitExact) {
  const Case cases[] = {
      // At 0: 0.5 for the symmetric laws, 0.51 and 0.49 for the mixtures,
      // exp(-1) for the exponential.
      {"normal at 0", common::normal_upper_tail, 0.0f, 0x3f000000u},
      {"normal mixture at 0", distsearch::normal_mixture_tail, 0.0f, 0x3f000000u},
      {"logistic at 0", distsearch::logistic_tail, 0.0f, 0x3f000000u},
      {"unit logistic at 0", distsearch::unit_logistic_tail, 0.0f, 0x3f000000u},
      {"double exponential at 0", distsearch::double_exponential_tail, 0.0f, 0x3f000000u},
      {"unit double exponential at 0", distsearch::unit_double_exponential_tail, 0.0f, 0x3f000000u},
      {"unit double exponential at -0", distsearch::unit_double_exponential_tail, -0.0f,
       0x3f000000u},
      {"large outliers at 0", distsearch::large_outlier_mixture_tail, 0.0f, 0x3f028f5cu},  // 0.51
      {"small outliers at 0", distsearch::small_outlier_mixture_tail, 0.0f, 0x3efae148u},  // 0.49
      {"exponential at 0", distsearch::exponential_tail, 0.0f, 0x3ebc5ab2u},  // 0.36787945
      // The large-outlier step: at it the lower branch (about 0.0226), above
      // it the upper branch (about 0.0026).
      {"large outliers at step", distsearch::large_outlier_mixture_tail, kStep, 0x3cb90350u},
      {"large outliers above step", distsearch::large_outlier_mixture_tail, kAboveStep,
       0x3b296240u},
      {"small outliers at +step", distsearch::small_outlier_mixture_tail, kStep, 0x3b29627fu},
      {"large outliers at -step", distsearch::large_outlier_mixture_tail, -kStep, 0x3f7f569eu},
      // The small-outlier step at -2.5942581: 0.9974 at it, 0.9774 above it.
      {"small outliers at -step", distsearch::small_outlier_mixture_tail, -kStep, 0x3f7f569eu},
      {"small outliers above -step", distsearch::small_outlier_mixture_tail, kAboveMinusStep,
       0x3f7a37e6u},
      // Away from the points where the formulas change.
      {"normal at 1", common::normal_upper_tail, 1.0f, 0x3e227686u},  // 0.15865526
      {"normal mixture at 1", distsearch::normal_mixture_tail, 1.0f, 0x3e04e3f0u},
      {"normal mixture at -2.5", distsearch::normal_mixture_tail, -2.5f, 0x3f7d8c93u},
      {"logistic at 1", distsearch::logistic_tail, 1.0f, 0x3e0f8b3au},
      {"logistic at -2.5", distsearch::logistic_tail, -2.5f, 0x3f7d481eu},
      {"double exponential at 1", distsearch::double_exponential_tail, 1.0f, 0x3df8f398u},
      {"double exponential at -1", distsearch::double_exponential_tail, -1.0f, 0x3f60e18du},
      {"large outliers at 1", distsearch::large_outlier_mixture_tail, 1.0f, 0x3e221559u},
      {"small outliers at -1", distsearch::small_outlier_mixture_tail, -1.0f, 0x3f577aaau},
      {"exponential at 1", distsearch::exponential_tail, 1.0f, 0x3e0a9555u},
      {"exponential at 2.5", distsearch::exponential_tail, 2.5f, 0x3cf76081u},
      // The exponential at and below -1: exactly 1.
      {"exponential at -1", distsearch::exponential_tail, -1.0f, 0x3f800000u},
      {"exponential below -1", distsearch::exponential_tail, from_bits(0xBF800001u), 0x3f800000u},
      {"exponential at -Inf", distsearch::exponential_tail, -std::numeric_limits<float>::infinity(),
       0x3f800000u},
      // Exponentials that overflow or underflow in single give the limits.
      {"logistic at 100", distsearch::logistic_tail, 100.0f, 0x00000000u},
      {"logistic at -100", distsearch::logistic_tail, -100.0f, 0x3f800000u},
      {"double exponential at 100", distsearch::double_exponential_tail, 100.0f, 0x00000000u},
      {"double exponential at -100", distsearch::double_exponential_tail, -100.0f, 0x3f800000u},
      {"exponential at 200", distsearch::exponential_tail, 200.0f, 0x00000000u},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(bits(c.t(c.x)), c.q) << c.name;
  }
}

TEST(ReferenceTails, NaNAndInfinityGiveNaN) {
  const Tail all[] = {common::normal_upper_tail,
                      distsearch::normal_mixture_tail,
                      distsearch::logistic_tail,
                      distsearch::unit_logistic_tail,
                      distsearch::double_exponential_tail,
                      distsearch::unit_double_exponential_tail,
                      distsearch::large_outlier_mixture_tail,
                      distsearch::small_outlier_mixture_tail,
                      distsearch::exponential_tail};
  const float nan = from_bits(0xFFC00000u);
  const float inf = std::numeric_limits<float>::infinity();
  for (size_t i = 0; i < sizeof all / sizeof all[0]; ++i) {
    EXPECT_TRUE(std::isnan(all[i](nan))) << "routine " << i;
    EXPECT_TRUE(std::isnan(all[i](inf))) << "routine " << i << " at +Inf";
    if (all[i] != distsearch::exponential_tail) {
      EXPECT_TRUE(std::isnan(all[i](-inf))) << "routine " << i << " at -Inf";
    }
  }
}

TEST(ExpWithNanAtInfinity, InfiniteArgumentGivesInvalidNaN) {
  double v = distsearch::exp_with_nan_at_infinity(-std::numeric_limits<double>::infinity());
  EXPECT_EQ(testsupport::bits64(v), 0xFFF8000000000000ull);
  EXPECT_EQ(distsearch::exp_with_nan_at_infinity(0.0), 1.0);
  EXPECT_EQ(distsearch::exp_with_nan_at_infinity(-800.0), 0.0);
  EXPECT_TRUE(std::isinf(distsearch::exp_with_nan_at_infinity(800.0)));
}

TEST(ReferenceTails, SymmetricLawsMirror) {
  // Q(x) + Q(-x) = 1 within single rounding where neither side is tiny.
  const Tail sym[] = {common::normal_upper_tail, distsearch::normal_mixture_tail,
                      distsearch::logistic_tail, distsearch::double_exponential_tail};
  const float xs[] = {0.25f, 0.5f, 1.0f, 1.75f, 2.5f};
  for (size_t i = 0; i < sizeof sym / sizeof sym[0]; ++i) {
    for (float x : xs) {
      EXPECT_NEAR(static_cast<double>(sym[i](x)) + sym[i](-x), 1.0, 2e-7)
          << "routine " << i << " at " << x;
    }
  }
}

}  // namespace
