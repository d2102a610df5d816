// Normal upper tail: the tabulated values on both sides of |x| = 3, the sign
// branch, the non-finite arguments and the subnormal far tail.
#include "common/normal_tail.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <string>

#include "support/floats.h"

namespace {

std::string fmt(const char* f, float v) {
  char buf[64];
  std::snprintf(buf, sizeof buf, f, static_cast<double>(v));
  return buf;
}

using testsupport::bits;
using testsupport::from_bits;

struct Case {
  float x;
  const char* format;
  const char* expected;
};

TEST(NormalUpperTail, TabulatedValues) {
  const float above3 = std::nextafter(3.0f, 4.0f);
  const Case cases[] = {
      {0.0f, "%.9f", "0.500000000"},
      {-0.0f, "%.9f", "0.500000000"},
      {1.0f, "%.8f", "0.15865526"},
      {-1.0f, "%.8f", "0.84134477"},
      {3.0f, "%.8f", "0.00134991"},  // central form at its limit
      {3.0f, "%.7e", "1.3499067e-03"},
      {above3, "%.8f", "0.00134990"},  // first value of the tail form
      {above3, "%.6e", "1.349897e-03"},
      {5.0f, "%.7e", "2.8665158e-07"},
      {10.0f, "%.7e", "7.6198528e-24"},
      {14.0f, "%.7e", "8.4077908e-45"},  // a single-precision subnormal
  };
  for (const Case& c : cases) {
    EXPECT_EQ(fmt(c.format, common::normal_upper_tail(c.x)), c.expected) << "x = " << c.x;
  }
}

TEST(NormalUpperTail, ExactHalfAtZero) {
  EXPECT_EQ(common::normal_upper_tail(0.0f), 0.5f);
  EXPECT_EQ(common::normal_upper_tail(-0.0f), 0.5f);
}

TEST(NormalUpperTail, SubnormalsKeptThenZero) {
  const float q14 = common::normal_upper_tail(14.0f);
  EXPECT_GT(q14, 0.0f);
  EXPECT_LT(q14, std::numeric_limits<float>::min());
  EXPECT_EQ(common::normal_upper_tail(14.5f), 0.0f);
  EXPECT_EQ(common::normal_upper_tail(1.0e30f), 0.0f);
  EXPECT_EQ(common::normal_upper_tail(-1.0e30f), 1.0f);
  EXPECT_EQ(common::normal_upper_tail(-3.0e38f), 1.0f);
}

TEST(NormalUpperTail, NonFiniteGiveInvalidNaN) {
  const float inf = std::numeric_limits<float>::infinity();
  const float inputs[] = {inf, -inf, from_bits(0xFFC00000u), from_bits(0x7FC00000u)};
  for (float x : inputs) {
    const float p = common::normal_upper_tail(x);
    EXPECT_TRUE(std::isnan(p)) << "x bits " << std::hex << bits(x);
    EXPECT_TRUE(std::signbit(p)) << "x bits " << std::hex << bits(x);
  }
}

TEST(NormalUpperTail, SymmetryWhereNeitherTailIsTiny) {
  const float xs[] = {0.25f, 0.5f, 1.0f, 1.5f, 2.0f, 2.5f, 2.999f, 3.0f, 3.001f, 3.5f, 4.0f};
  for (float x : xs) {
    const double sum =
        static_cast<double>(common::normal_upper_tail(x)) + common::normal_upper_tail(-x);
    EXPECT_NEAR(sum, 1.0, 1.0e-7) << "x = " << x;
  }
}

TEST(NormalUpperTail, AgreesWithErfcAcrossBothForms) {
  for (int i = -60; i <= 60; ++i) {
    const float x = static_cast<float>(i) / 10.0f;
    const double q = 0.5 * std::erfc(static_cast<double>(x) / std::sqrt(2.0));
    EXPECT_NEAR(common::normal_upper_tail(x), q, 2.0e-7 + 2.0e-6 * q) << "x = " << x;
  }
}

}  // namespace
