// Every program links into one executable and runs on an empty input.
#include <gtest/gtest.h>

#include "anovaf/anovaf.h"
#include "boxplot/boxplot.h"
#include "cdfplot/cdfplot.h"
#include "distsearch/distsearch.h"
#include "homorank/homorank.h"
#include "multicomp/multicomp.h"
#include "support/capture.h"
#include "trendrank/trendrank.h"

namespace {

TEST(Run, EmptyInputEndsEveryProgramWithStatus12) {
  int (*const runs[])(const con::Io&) = {trendrank::run, homorank::run,   multicomp::run,
                                         anovaf::run,    distsearch::run, cdfplot::run,
                                         boxplot::run};
  for (auto run : runs) EXPECT_EQ(testsupport::capture_run(run, "").status, 12);
}

}  // namespace
