// Whole runs in one process: estimates of the worked two-group cases, fresh
// state for every run, and extreme data that make a raw effect NaN.
#include <gtest/gtest.h>

#include <string>

#include "console/cp932.h"
#include "support/printed.h"
#include "test_support.h"

namespace {

using trendrank_test::run_text;
using trendrank_test::state_with;

std::string trace_of(trendrank::State& st) {
  return testsupport::printed([&](con::Console& c) { trendrank::rest_(c, st); });
}

TEST(Estimates, WorkedTwoGroupCases) {
  auto st = state_with({{1, 2, 3}, {4, 5}});
  st->rte2[0] = 3.0f;
  st->rte2[1] = 2.0f;
  EXPECT_EQ(trace_of(*st),
            " 3.00000000 -1.00000000 -1.00000000\r\n 2.00000000 1.50000000 1.50000000\r\n");
  EXPECT_EQ(st->res2[0], 3.0f);
  EXPECT_EQ(st->res2[1], 2.0f);
  EXPECT_EQ(st->res2[2], 4.5f);

  // Reversed order: the raw effects decrease, so both smooth to their weighted
  // mean 0; the centre is still 3 and both estimates are 3.
  auto rev = state_with({{4, 5}, {1, 2, 3}});
  rev->rte2[0] = 2.0f;
  rev->rte2[1] = 3.0f;
  EXPECT_EQ(trace_of(*rev),
            " 2.00000000 1.50000000 0.000000000e+00\r\n"
            " 3.00000000 -1.00000000 0.000000000e+00\r\n");
  EXPECT_EQ(rev->res2[0], 3.0f);
  EXPECT_EQ(rev->res2[1], 3.0f);
  EXPECT_EQ(rev->res2[2], 3.0f);

  // One group: no pair, effect 0, centre the median of the ten Walsh averages.
  auto one = state_with({{1, 2, 3, 10}});
  one->rte2[0] = 4.0f;
  trace_of(*one);
  EXPECT_EQ(one->res3[0], 0.0f);
  EXPECT_EQ(one->res2[0], 2.75f);
  EXPECT_EQ(one->res2[1], 2.75f);
}

TEST(Run, TwoRunsInOneProcessAreIdentical) {
  const std::string input = "3\n3 2 4\n1 2 3\n2.5 9\n0 4 4 1\n0.3\n";
  trendrank_test::RunResult a = run_text(input);
  trendrank_test::RunResult b = run_text(input);
  EXPECT_EQ(a.status, 0);
  EXPECT_EQ(a.out, b.out);
  EXPECT_TRUE(a.err.empty());
}

TEST(Run, ExtremeValuesMakeANaNEffectAndTheRunEnds) {
  // Differences of +-3e38 overflow to infinities: the raw effect of group 1 is
  // inf - inf. The smoothing must still end and write every value.
  trendrank_test::RunResult r = run_text("3\n2 1 1\n3e38 -3e38\n-3e38\n3e38\n0.05\n");
  EXPECT_EQ(r.status, 0);
  EXPECT_NE(r.out.find("NaN"), std::string::npos);
  EXPECT_NE(r.out.find(con::sjis(" 分布の対称性が仮定できないとき ")), std::string::npos);
}

TEST(Run, RefusesEmptyGroupAfterTheEcho) {
  trendrank_test::RunResult r = run_text("2\n0 3\n1 2 3\n0.05\n");
  EXPECT_EQ(r.status, 8);
  const std::string heading2 = con::sjis(" 第2  標本目の観測値は ") + "\r\n";
  ASSERT_GE(r.out.size(), heading2.size() + 41);
  // The output ends with the last echo line; nothing of the test follows.
  EXPECT_EQ(r.out.substr(r.out.size() - 41), "      1.00000      2.00000      3.00000\r\n");
  EXPECT_NE(r.err.find("group 1 has size 0; every group needs at least 1 observation"),
            std::string::npos);
}

}  // namespace
