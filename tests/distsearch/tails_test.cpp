// Reference tails at the points where their formulas change: 0, the mixture
// steps +-2.5942581 and the next float above them, -1 for the exponential,
// both sides of zero for the Laplace law, large arguments, NaN and Inf.
// Expected bit patterns were re-computed independently in IEEE double with a
// single rounding at each store (tests/golden/distsearch/derive.py).
#include "tails.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>

#include "support/floats.h"

namespace {

using Tail = void (*)(const float&, float&);

using testsupport::bits;
using testsupport::from_bits;

float tail(Tail t, float x) {
  float q;
  t(x, q);
  return q;
}

const float kStep = 2.5942581f;                        // 40260853
const float kAboveStep = from_bits(0x40260854u);       // 2.5942583
const float kAboveMinusStep = from_bits(0xC0260852u);  // -2.5942578

struct Vector {
  const char* name;
  Tail t;
  float x;
  uint32_t q;  // expected bits
};

TEST(Tails, ListedValuesBitExact) {
  const Vector cases[] = {
      // At 0: 0.5 for the symmetric laws, 0.51 and 0.49 for the mixtures,
      // exp(-1) for the exponential.
      {"norm at 0", distsearch::norm_, 0.0f, 0x3f000000u},
      {"cnbunp at 0", distsearch::cnbunp_, 0.0f, 0x3f000000u},
      {"lgbunp at 0", distsearch::lgbunp_, 0.0f, 0x3f000000u},
      {"logis at 0", distsearch::logis_, 0.0f, 0x3f000000u},
      {"debunp at 0", distsearch::debunp_, 0.0f, 0x3f000000u},
      {"dex at 0", distsearch::dex_, 0.0f, 0x3f000000u},
      {"dex at -0", distsearch::dex_, -0.0f, 0x3f000000u},
      {"cobunp1 at 0", distsearch::cobunp1_, 0.0f, 0x3f028f5cu},  // 0.51
      {"cobunp2 at 0", distsearch::cobunp2_, 0.0f, 0x3efae148u},  // 0.49
      {"exbunp at 0", distsearch::exbunp_, 0.0f, 0x3ebc5ab2u},    // 0.36787945
      // The large-outlier step: at it the lower branch (about 0.0226), above
      // it the upper branch (about 0.0026).
      {"cobunp1 at step", distsearch::cobunp1_, kStep, 0x3cb90350u},
      {"cobunp1 above step", distsearch::cobunp1_, kAboveStep, 0x3b296240u},
      {"cobunp2 at +step", distsearch::cobunp2_, kStep, 0x3b29627fu},
      {"cobunp1 at -step", distsearch::cobunp1_, -kStep, 0x3f7f569eu},
      // The small-outlier step at -2.5942581: 0.9974 at it, 0.9774 above it.
      {"cobunp2 at -step", distsearch::cobunp2_, -kStep, 0x3f7f569eu},
      {"cobunp2 above -step", distsearch::cobunp2_, kAboveMinusStep, 0x3f7a37e6u},
      // Away from the points where the formulas change.
      {"norm at 1", distsearch::norm_, 1.0f, 0x3e227686u},  // 0.15865526
      {"cnbunp at 1", distsearch::cnbunp_, 1.0f, 0x3e04e3f0u},
      {"cnbunp at -2.5", distsearch::cnbunp_, -2.5f, 0x3f7d8c93u},
      {"lgbunp at 1", distsearch::lgbunp_, 1.0f, 0x3e0f8b3au},
      {"lgbunp at -2.5", distsearch::lgbunp_, -2.5f, 0x3f7d481eu},
      {"debunp at 1", distsearch::debunp_, 1.0f, 0x3df8f398u},
      {"debunp at -1", distsearch::debunp_, -1.0f, 0x3f60e18du},
      {"cobunp1 at 1", distsearch::cobunp1_, 1.0f, 0x3e221559u},
      {"cobunp2 at -1", distsearch::cobunp2_, -1.0f, 0x3f577aaau},
      {"exbunp at 1", distsearch::exbunp_, 1.0f, 0x3e0a9555u},
      {"exbunp at 2.5", distsearch::exbunp_, 2.5f, 0x3cf76081u},
      // The exponential at and below -1: exactly 1.
      {"exbunp at -1", distsearch::exbunp_, -1.0f, 0x3f800000u},
      {"exbunp below -1", distsearch::exbunp_, from_bits(0xBF800001u), 0x3f800000u},
      {"exbunp at -Inf", distsearch::exbunp_, -std::numeric_limits<float>::infinity(), 0x3f800000u},
      // Exponentials that overflow or underflow in single give the limits.
      {"lgbunp at 100", distsearch::lgbunp_, 100.0f, 0x00000000u},
      {"lgbunp at -100", distsearch::lgbunp_, -100.0f, 0x3f800000u},
      {"debunp at 100", distsearch::debunp_, 100.0f, 0x00000000u},
      {"debunp at -100", distsearch::debunp_, -100.0f, 0x3f800000u},
      {"exbunp at 200", distsearch::exbunp_, 200.0f, 0x00000000u},
  };
  for (const Vector& v : cases) {
    EXPECT_EQ(bits(tail(v.t, v.x)), v.q) << v.name;
  }
}

TEST(Tails, NaNAndInfinityGiveNaN) {
  const Tail all[] = {distsearch::norm_,    distsearch::cnbunp_,  distsearch::lgbunp_,
                      distsearch::logis_,   distsearch::debunp_,  distsearch::dex_,
                      distsearch::cobunp1_, distsearch::cobunp2_, distsearch::exbunp_};
  const float nan = from_bits(0xFFC00000u);
  const float inf = std::numeric_limits<float>::infinity();
  for (size_t i = 0; i < sizeof all / sizeof all[0]; ++i) {
    EXPECT_TRUE(std::isnan(tail(all[i], nan))) << "routine " << i;
    EXPECT_TRUE(std::isnan(tail(all[i], inf))) << "routine " << i << " at +Inf";
    if (all[i] != distsearch::exbunp_) {
      EXPECT_TRUE(std::isnan(tail(all[i], -inf))) << "routine " << i << " at -Inf";
    }
  }
}

TEST(Tails, ExpOfInfiniteArgumentIsInvalidNaN) {
  double v = distsearch::exp_(-std::numeric_limits<double>::infinity());
  EXPECT_EQ(testsupport::bits64(v), 0xFFF8000000000000ull);
  EXPECT_EQ(distsearch::exp_(0.0), 1.0);
  EXPECT_EQ(distsearch::exp_(-800.0), 0.0);
  EXPECT_TRUE(std::isinf(distsearch::exp_(800.0)));
}

TEST(Tails, SymmetricLawsMirror) {
  // Q(x) + Q(-x) = 1 within single rounding where neither side is tiny.
  const Tail sym[] = {distsearch::norm_, distsearch::cnbunp_, distsearch::lgbunp_,
                      distsearch::debunp_};
  const float xs[] = {0.25f, 0.5f, 1.0f, 1.75f, 2.5f};
  for (size_t i = 0; i < sizeof sym / sizeof sym[0]; ++i) {
    for (float x : xs) {
      EXPECT_NEAR(static_cast<double>(tail(sym[i], x)) + tail(sym[i], -x), 1.0, 2e-7)
          << "routine " << i << " at " << x;
    }
  }
}

}  // namespace
