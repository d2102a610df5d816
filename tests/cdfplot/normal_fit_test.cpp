// The normal fit: the mean and the scaled mean absolute deviation.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "cdfplot/state.h"

namespace {

const std::vector<float> kWorkedResiduals = {-2.4494896f, -1.2247448f, 0.0f,
                                             0.0f,        1.2247448f,  2.4494896f};

TEST(FitNormalLaw, LocationAndScaleFromTheMeanAbsoluteDeviation) {
  cdfplot::NormalFit fit = cdfplot::fit_normal_law(kWorkedResiduals.data(), 6);
  EXPECT_LT(std::fabs(fit.location), 1e-16f);
  EXPECT_EQ(fit.scale, 1.5349901f);

  const std::vector<float> equal = {0.5f, 0.5f, 0.5f};
  fit = cdfplot::fit_normal_law(equal.data(), 3);
  EXPECT_EQ(fit.location, 0.5f);
  EXPECT_EQ(fit.scale, 0.0f);

  fit = cdfplot::fit_normal_law(nullptr, 0);
  EXPECT_EQ(fit.location, 0.0f);
  EXPECT_EQ(fit.scale, 0.0f);
}

}  // namespace
