// Whole runs in one process: fresh state for every run, extreme data that make
// a raw effect NaN, and the refusal of an empty group.
#include <gtest/gtest.h>

#include <string>

#include "console/cp932.h"
#include "support/capture.h"
#include "trendrank/trendrank.h"

namespace {

using Result = testsupport::Captured;

Result run(const std::string& input) { return testsupport::capture_run(trendrank::run, input); }

TEST(Run, TwoRunsInOneProcessAreIdentical) {
  const std::string input = "3\n3 2 4\n1 2 3\n2.5 9\n0 4 4 1\n0.3\n";
  const Result a = run(input);
  const Result b = run(input);
  EXPECT_EQ(a.status, 0);
  EXPECT_EQ(a.out, b.out);
  EXPECT_TRUE(a.err.empty());
}

TEST(Run, ExtremeValuesMakeANaNEffectAndTheRunEnds) {
  // Differences of +-3e38 overflow to infinities: the raw effect of group 1 is
  // inf - inf. The smoothing must still end and write every value.
  const Result r = run("3\n2 1 1\n3e38 -3e38\n-3e38\n3e38\n0.05\n");
  EXPECT_EQ(r.status, 0);
  EXPECT_NE(r.out.find("NaN"), std::string::npos);
  EXPECT_NE(r.out.find(con::to_cp932(" 分布の対称性が仮定できないとき ")), std::string::npos);
}

TEST(Run, RefusesEmptyGroupAfterTheEcho) {
  const Result r = run("2\n0 3\n1 2 3\n0.05\n");
  EXPECT_EQ(r.status, 8);
  const std::string heading2 = con::to_cp932(" 第2  標本目の観測値は ") + "\r\n";
  ASSERT_GE(r.out.size(), heading2.size() + 41);
  // The output ends with the last echo line; nothing of the test follows.
  EXPECT_EQ(r.out.substr(r.out.size() - 41), "      1.00000      2.00000      3.00000\r\n");
  EXPECT_NE(r.err.find("group 1 has size 0; every group needs at least 1 observation"),
            std::string::npos);
}

}  // namespace
