// Chi-square upper tail: every tabulated (nu, x), the x = 0 and nu <= 0
// cases, the products, the power by single squaring, and a check of both
// series against closed forms in double.
#include "common/chi_square_tail.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>

#include "common/normal_tail.h"

namespace {

std::string fmt(const char* f, float v) {
  char buf[64];
  std::snprintf(buf, sizeof buf, f, static_cast<double>(v));
  return buf;
}

float chi2(int32_t nu, float x) { return common::chi_square_upper_tail(nu, x); }

struct Case {
  int32_t nu;
  float x;
  const char* format;
  const char* expected;
};

TEST(ChiSquareUpperTail, TabulatedValues) {
  const Case cases[] = {
      {1, 1.0f, "%.8f", "0.31731051"},     // no series
      {2, 1.0f, "%.8f", "0.60653067"},     // exp(-x/2) itself
      {3, 7.8147f, "%.8f", "0.05000062"},  // odd series, one term
      // sqrt(2 pi x) from the single 2 pi; the double 2 pi gives 0.38396505.
      {3, 3.0501003f, "%.8f", "0.38396499"},
      {4, 1.0f, "%.6f", "0.909796"},
      {9, 16.919f, "%.8f", "0.04999963"},
      {10, 16.919f, "%.8f", "0.07617562"},
      {50, 60.0f, "%.8f", "0.15724204"},  // 24 terms, powers up to x^24
  };
  for (const Case& c : cases) {
    EXPECT_EQ(fmt(c.format, chi2(c.nu, c.x)), c.expected) << "nu = " << c.nu << " x = " << c.x;
  }
}

TEST(ChiSquareUpperTail, ZeroStatistic) {
  // The whole mass lies above 0, for odd nu >= 3 too, where the series' common
  // factor e/sqrt(2*pi*x) is infinite and every power of x is zero.
  for (int32_t nu : {1, 2, 3, 4, 5, 6, 7, 9, 10, 49, 50}) {
    EXPECT_EQ(chi2(nu, 0.0f), 1.0f) << nu;
    EXPECT_EQ(chi2(nu, -0.0f), 1.0f) << nu;
  }
  // Just above 0 the odd series is finite again and below 1.
  const float p = chi2(3, 1e-30f);
  EXPECT_TRUE(p > 0.99f && p <= 1.0f) << p;
}

TEST(ChiSquareUpperTail, NonPositiveDegreesTakeTheEvenSeriesWithoutTerms) {
  const float e = static_cast<float>(std::exp(-2.5 / 2.0));
  for (int32_t nu : {0, -1, -2, -9, -2147483647 - 1}) EXPECT_EQ(chi2(nu, 2.5f), e) << nu;
  // -1 is not odd here: nu - 2*(nu/2) is -1.
  EXPECT_EQ(chi2(-1, 0.0f), 1.0f);
}

TEST(ChiSquareUpperTail, OutsideTheModel) {
  EXPECT_TRUE(std::isnan(chi2(3, -1.0f)));  // sqrt of a negative x
  EXPECT_GT(chi2(2, -1.0f), 1.0f);          // the even series as it stands
  for (int32_t nu : {-1, 1, 2, 3, 4, 10}) {
    const float p = chi2(nu, -std::nanf(""));
    EXPECT_TRUE(std::isnan(p) && std::signbit(p)) << nu;
    const float q = chi2(nu, std::nanf(""));
    EXPECT_TRUE(std::isnan(q) && std::signbit(q)) << nu;
  }
  const float big = chi2(51, 10.0f);  // no room for the terms
  EXPECT_TRUE(std::isnan(big));
  EXPECT_TRUE(std::signbit(big));
  EXPECT_TRUE(std::isnan(chi2(2147483647, 10.0f)));
}

TEST(ChiSquareUpperTail, Products) {
  EXPECT_EQ(common::product_of_first_odd(0), 1.0);
  EXPECT_EQ(common::product_of_first_even(0), 1.0);
  EXPECT_EQ(common::product_of_first_odd(-4), 1.0);
  EXPECT_EQ(common::product_of_first_even(-4), 1.0);
  EXPECT_EQ(common::product_of_first_odd(3), 15.0);
  EXPECT_EQ(common::product_of_first_even(3), 48.0);
  EXPECT_EQ(common::product_of_first_odd(1), 1.0);
  EXPECT_EQ(common::product_of_first_odd(5), 945.0);
  EXPECT_EQ(common::product_of_first_even(5), 3840.0);
}

TEST(ChiSquareUpperTail, PowerBySingleSquaring) {
  const float x = 1.1f;
  const double xd = static_cast<double>(x);
  const double sq = static_cast<double>(static_cast<float>(xd * xd));
  const double sq4 = static_cast<double>(static_cast<float>(sq * sq));
  EXPECT_EQ(common::chi_square_series_power(x, 1), xd);
  EXPECT_EQ(common::chi_square_series_power(x, 2), xd * xd);  // not rounded to single
  EXPECT_NE(common::chi_square_series_power(x, 2), sq);
  EXPECT_EQ(common::chi_square_series_power(x, 3), xd * sq);
  EXPECT_EQ(common::chi_square_series_power(x, 4), sq4);
  EXPECT_EQ(common::chi_square_series_power(x, 5), xd * sq4);
  EXPECT_EQ(common::chi_square_series_power(x, 6), sq * sq4);
  EXPECT_EQ(common::chi_square_series_power(x, 7), (xd * sq) * sq4);
  for (int32_t j = 1; j <= 24; ++j) EXPECT_EQ(common::chi_square_series_power(0.0f, j), 0.0) << j;
}

// Closed forms in double for comparison (tolerance of single rounding).
double even_tail(int nu, double x) {
  double term = 1.0, sum = 1.0;
  for (int j = 1; j < nu / 2; ++j) {
    term *= (x / 2.0) / j;
    sum += term;
  }
  return std::exp(-x / 2.0) * sum;
}

double odd_tail(int nu, double x) {
  const double z = std::sqrt(x);
  double sum = std::erfc(z / std::sqrt(2.0));
  double term = std::sqrt(2.0 / M_PI) * z * std::exp(-x / 2.0);
  for (int j = 1; j <= (nu - 1) / 2; ++j) {
    sum += term;
    term *= x / (2 * j + 1);
  }
  return sum;
}

TEST(ChiSquareUpperTail, AgreesWithClosedForms) {
  for (int nu = 1; nu <= 50; ++nu) {
    for (float x : {0.5f, 1.0f, 3.0f, 7.5f, 15.0f, 30.0f, 60.0f}) {
      const double want = (nu % 2 == 0) ? even_tail(nu, x) : odd_tail(nu, x);
      EXPECT_NEAR(chi2(nu, x), want, 1.0e-6 + 1.0e-5 * want) << "nu = " << nu << " x = " << x;
    }
  }
}

}  // namespace
