// The percent point: the tables at the levels 0.05 and 0.01, the degenerate
// group counts and levels, the general unequal-weight integrand, and the
// reuse of Phi values inside the integrand (bit for bit as computed afresh).
#include "multicomp/percent_point.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <memory>

#include "multicomp/normal.h"
#include "multicomp/state.h"

namespace {

double percent_point(int k, float alpha) {
  auto st = std::make_unique<multicomp::State>();
  st->grp.ngroup = k;
  st->grp.alpha = alpha;
  double c = -1.0;
  multicomp::asdista_(*st, c);
  return c;
}

TEST(PercentPoint, Tables) {
  struct Case {
    int k;
    float alpha;
    double cpoint;
  };
  const Case cases[] = {
      {2, 0.05f, 1.960},  {3, 0.05f, 2.344},  {4, 0.05f, 2.569}, {5, 0.05f, 2.728},
      {10, 0.05f, 3.164}, {2, 0.01f, 2.576},  {3, 0.01f, 2.913}, {4, 0.01f, 3.113},
      {5, 0.01f, 3.255},  {10, 0.01f, 3.646},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(percent_point(c.k, c.alpha), c.cpoint) << c.k << " " << c.alpha;
  }
}

// K = 1: the equation is about alpha everywhere; K <= 0: the integrand is 0
// and the equation stays negative up to 200; a level of 1 or more makes it
// non-negative at once; a negative level keeps it negative.
TEST(PercentPoint, Degenerate) {
  EXPECT_EQ(percent_point(1, 0.05f), 0.0);
  EXPECT_EQ(percent_point(0, 0.05f), 200.0);
  EXPECT_EQ(percent_point(-3, 0.05f), 200.0);
  EXPECT_EQ(percent_point(3, 1.0f), 0.0);
  EXPECT_EQ(percent_point(3, 1.5f), 0.0);
  EXPECT_EQ(percent_point(3, -0.05f), 200.0);
}

TEST(PercentPoint, Tolerance) {
  auto st = std::make_unique<multicomp::State>();
  st->grp.ngroup = 2;
  st->grp.alpha = 0.05f;
  double c = 0.0;
  multicomp::asdista_(*st, c);
  EXPECT_EQ(st->eps, 9.99999993922529e-09);
  EXPECT_EQ(st->wlam[0], 0.5);
  EXPECT_EQ(st->wlam[1], 0.5);
  EXPECT_EQ(st->wlam[2], 0.0);
}

// For two groups the probability that |U1 - U2| / sqrt(1/l1 + 1/l2) <= x is
// 2 Phi(x) - 1 whatever the weights: the general integrand must give it.
TEST(PercentPoint, UnequalWeights) {
  auto st = std::make_unique<multicomp::State>();
  st->grp.ngroup = 2;
  st->grp.alpha = 0.05f;
  st->eps = static_cast<double>(1.0e-8f);
  st->wlam[0] = 0.2;
  st->wlam[1] = 0.8;
  const double x = 1.959963984540054;
  const double value = multicomp::eqa_(*st, x);
  EXPECT_NEAR(value + (1.0 - static_cast<double>(0.05f)), 0.95, 1e-9);
}

// The integrand written out with no reuse of Phi values.
double plain_integrand(const multicomp::State& st, double z) {
  const double x = st.xtrial;
  double sum = 0.0;
  for (int i = 0; i < st.grp.ngroup; ++i) {
    double prod = 1.0;
    for (int j = 0; j < st.grp.ngroup; ++j) {
      if (j == i) continue;
      const double t = std::sqrt(st.wlam[j] / st.wlam[i]);
      const double w = std::sqrt((st.wlam[i] + st.wlam[j]) / st.wlam[i]);
      const double u = t * z;
      prod = prod * (multicomp::phi_(u) - multicomp::phi_(u - w * x));
    }
    sum = sum + prod * multicomp::stdnorm_(z);
  }
  return sum;
}

TEST(PercentPoint, IntegrandBitForBit) {
  const double weights[][10] = {
      {0.1, 0.1, 0.1, 0.1, 0.1, 0.1, 0.1, 0.1, 0.1, 0.1},
      {0.05, 0.3, 0.1, 0.2, 0.05, 0.1, 0.07, 0.03, 0.06, 0.04},
  };
  for (const auto& wl : weights) {
    auto st = std::make_unique<multicomp::State>();
    st->grp.ngroup = 10;
    for (int i = 0; i < 10; ++i) st->wlam[i] = wl[i];
    for (double xt : {0.7, 3.164}) {
      st->xtrial = xt;
      for (double z = -9.0; z <= 9.0; z += 0.37) {
        const double a = multicomp::finta_(*st, z);
        const double b = plain_integrand(*st, z);
        EXPECT_EQ(std::memcmp(&a, &b, sizeof a), 0) << z;
      }
    }
  }
}

}  // namespace
