// Number text: free-form single and double forms, Fw.d, Iw, Aw fields.
#include "console/format.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "support/floats.h"

namespace {

using testsupport::from_bits;
using testsupport::invalid_nan;

struct FreeSingleCase {
  float x;
  const char* text;
};

TEST(FreeForm, SingleNineSignificantDigits) {
  const FreeSingleCase cases[] = {
      {3.5f, "3.50000000"},
      {0.05f, "5.00000007e-02"},
      {0.0f, "0.000000000e+00"},
      {-0.0f, "-0.000000000e+00"},
      {0.1f, "0.100000001"},
      {-1.0f, "-1.00000000"},
      {123456789.0f, "123456792."},  // nearest float to 123456789
      {999999936.0f, "999999936."},  // largest float below 1e9
      {1.0e9f, "1.00000000e+09"},
      {0.099999994f, "9.99999940e-02"},  // just below 0.1: exponent form
      {2.5f, "2.50000000"},
      {1234567.125f, "1234567.12"},       // exact half: ties to even
      {from_bits(1u), "1.40129846e-45"},  // smallest subnormal
      {3.0e38f, "3.00000001e+38"},
      {std::numeric_limits<float>::infinity(), "Inf"},
      {-std::numeric_limits<float>::infinity(), "-Inf"},
  };
  for (const auto& c : cases) EXPECT_EQ(con::free_single(c.x), c.text) << c.x;
  EXPECT_EQ(con::free_single(static_cast<float>(invalid_nan())), "-NaN");
  EXPECT_EQ(con::free_single(-static_cast<float>(invalid_nan())), "NaN");
}

TEST(FreeForm, DoubleSixteenSignificantDigits) {
  EXPECT_EQ(con::free_double(3.5), "3.500000000000000");
  EXPECT_EQ(con::free_double(0.1), "0.1000000000000000");
  EXPECT_EQ(con::free_double(0.0), "0.0000000000000000e+00");
  EXPECT_EQ(con::free_double(0.05), "5.000000000000000e-02");
  EXPECT_EQ(con::free_double(3.141592653589788), "3.141592653589788");
  EXPECT_EQ(con::free_double(1.0e16), "1.000000000000000e+16");
  EXPECT_EQ(con::free_double(1.11e298), "1.110000000000000e+298");
  EXPECT_EQ(con::free_double(invalid_nan()), "-NaN");
}

struct FieldCase {
  double x;
  int w, d;
  const char* text;  // '|' marks the end of the field
};

TEST(FixedField, FwdRoundsHalfEvenAndOverflowsToAsterisks) {
  const FieldCase cases[] = {
      {0.125, 5, 2, " 0.12|"},  // exact half to the even digit
      {0.375, 5, 2, " 0.38|"},
      {static_cast<double>(-0.000004f), 11, 5, "    0.00000|"},  // no minus on zeros
      {-0.0, 8, 5, " 0.00000|"},
      {static_cast<double>(0.9999f), 6, 3, " 1.000|"},  // carry
      {static_cast<double>(1234567.5f), 11, 5, "***********|"},
      {static_cast<double>(-99.995f), 6, 2, "******|"},  // -99.9950027 rounds to -100.00
      {static_cast<double>(999.995f), 6, 2, "999.99|"},  // 999.994995 fits
      {13.5, 15, 5, "       13.50000|"},
      {-1.5, 10, 5, "  -1.50000|"},
      {0.04, 8, 5, " 0.04000|"},
      {std::numeric_limits<double>::infinity(), 10, 5, "Inf       |"},
      {-std::numeric_limits<double>::infinity(), 10, 5, "-Inf      |"},
      {3.4e38, 10, 3, "**********|"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(con::field_f(c.x, c.w, c.d) + "|", c.text) << c.x;
  }
  EXPECT_EQ(con::field_f(invalid_nan(), 10, 5) + "|", "-NaN      |");
  EXPECT_EQ(con::field_f(invalid_nan(), 3, 1) + "|", "***|");
}

TEST(FixedField, IntegerTextAndBlanks) {
  EXPECT_EQ(con::field_i(10, 5), "   10");
  EXPECT_EQ(con::field_i(-7, 3), " -7");
  EXPECT_EQ(con::field_i(123456, 5), "*****");
  EXPECT_EQ(con::field_a("ab", 5), "   ab");     // shorter: padded on the left
  EXPECT_EQ(con::field_a("abcdefg", 3), "abc");  // longer: its first w bytes
  EXPECT_EQ(con::field_x(3), "   ");
  con::Record r;
  r.x(2).f(1.0, 11, 5).text("x").i(3, 2).a("z", 2);
  EXPECT_EQ(r.str(), "      1.00000x 3 z");
}

// Fw.d straight from glibc's "%.*f": the minus of an all-zero result dropped,
// asterisks when too wide, blanks on the left.
std::string printf_field(double x, int w, int d) {
  char buf[512];
  std::snprintf(buf, sizeof buf, "%.*f", d, x);
  std::string s = buf;
  if (s[0] == '-' && s.find_first_not_of("-0.") == std::string::npos) s.erase(0, 1);
  if (static_cast<int>(s.size()) > w) return std::string(static_cast<size_t>(w), '*');
  return std::string(static_cast<size_t>(w) - s.size(), ' ') + s;
}

// The digits are made without printf for most values; they must be printf's,
// halves to even included: widened singles of every size, dyadic values that
// sit exactly halfway at some decimal, and values around the fast range's edge.
TEST(FixedField, FwdMatchesPrintfOnManyValues) {
  std::mt19937_64 rng(20240612u);
  std::vector<double> xs = {0.0, -0.0, 1073741823.75, -1073741823.75, 1073741824.0,
                            999999999.5, 0.5, 1.5, 2.5, -0.5, 0.0005, -0.0005, 5e-10,
                            from_bits(1u), 1e-300, 4.9e-324};
  for (int k = 0; k < 100000; ++k) {
    const int kind = k % 4;
    double x;
    if (kind == 0) {  // any finite single
      uint32_t b;
      do {
        b = static_cast<uint32_t>(rng());
      } while ((b & 0x7F800000u) == 0x7F800000u);
      x = static_cast<double>(from_bits(b));
    } else if (kind == 1) {  // singles of ordinary size
      x = static_cast<double>(static_cast<float>(std::ldexp(
          static_cast<double>(static_cast<int64_t>(rng() % 2000001) - 1000000), -static_cast<int>(rng() % 40))));
    } else if (kind == 2) {  // few binary places: many exact halves
      x = std::ldexp(static_cast<double>(static_cast<int64_t>(rng() % 200001) - 100000),
                     -static_cast<int>(rng() % 16));
    } else {  // doubles up to 2^31
      x = std::ldexp(static_cast<double>(rng() >> 11), -static_cast<int>(rng() % 70) + 31 - 53);
      if (rng() & 1u) x = -x;
    }
    xs.push_back(x);
  }
  for (double x : xs) {
    for (int d = 0; d <= 9; ++d) {
      ASSERT_EQ(con::field_f(x, 20, d), printf_field(x, 20, d)) << x << " d " << d;
    }
    ASSERT_EQ(con::field_f(x, 8, 3), printf_field(x, 8, 3)) << x;
  }
}

}  // namespace
