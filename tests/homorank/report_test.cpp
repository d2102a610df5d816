// The report: the rank rows, tied values printed as mid-ranks, and the lines
// that depend on the P values, the level (with the decision drawn before the
// report, as the run draws it) and the field widths.
#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "common/decision.h"
#include "common/uniform_generator.h"
#include "console/console.h"
#include "console/cp932.h"
#include "homorank/state.h"
#include "homorank/test_helpers.h"
#include "support/groups.h"
#include "support/printed.h"

namespace {

using homorank_test::contains;
using homorank_test::run;

TEST(WriteRankRows, RecordsOfFive) {
  const float ranks[] = {1.5f, 1.5f, 3.0f, 4.0f, 5.0f, 6.125f, 1234567.0f};
  struct Case {
    int32_t n;
    std::string expected;
  };
  const Case cases[] = {
      {3, "       1.50       1.50       3.00\r\n"},
      {0, ""},
      {5, "       1.50       1.50       3.00       4.00       5.00\r\n"},
      {7, "       1.50       1.50       3.00       4.00       5.00\r\n       6.12  *********\r\n"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(
        testsupport::printed([&](con::Console& con) { homorank::write_rank_rows(con, ranks, c.n); }),
        c.expected)
        << c.n;
  }
}

// The lines a run prints from the ranks heading to the TR line.
std::string ranks_block(const std::string& out) {
  const size_t at = out.find(con::to_cp932(" 順位\r\n"));
  const size_t tr = out.find(con::to_cp932(" TRの値は"));
  if (at == std::string::npos || tr == std::string::npos) return "";
  return out.substr(at, tr - at);
}

TEST(WriteReport, TiedValuesPrintedAsMidRanks) {
  // The pooled values 5, 5, 7 (groups (5, 5) and (7)) rank 1.5, 1.5 and 3 on
  // one line of (2X,F9.2) fields; the mean ranks are 1.5 and 3.
  const std::string out = run("2\n2 1\n5 5\n7\n0.05\n").out;
  EXPECT_EQ(ranks_block(out), con::to_cp932(" 順位\r\n") + "       1.50       1.50       3.00\r\n" +
                                  con::to_cp932(" 第1 群の順位の標本平均は　1.50000000\r\n") +
                                  con::to_cp932(" 第2 群の順位の標本平均は　3.00000000\r\n"));
}

// The report for given test results: k groups of one observation, TR, H 1,
// the two P values; the decision drawn at the level as the run draws it.
// *draws is 1 when the decision took a value of the generator, else 0.
std::string report(int k, float statistic, float p_at_least, float p_above, float alpha,
                   uint32_t* draws) {
  std::vector<std::vector<float>> groups;
  for (int i = 0; i < k; ++i) groups.push_back({static_cast<float>(i)});
  auto state = std::make_unique<homorank::State>();
  testsupport::fill_groups(state->data, groups);
  state->data.alpha = alpha;
  state->test.statistic = statistic;
  state->test.normalized = 1.0f;
  state->test.p.at_least = p_at_least;
  state->test.p.above = p_above;
  const uint32_t before = common::UniformGenerator::at_state(12345u).state();
  state->generator = common::UniformGenerator::at_state(12345u);
  state->decision = common::randomized_decision(p_at_least, p_above, alpha, state->generator);
  *draws = state->generator.state() == before ? 0u : 1u;
  return testsupport::printed([&](con::Console& c) { homorank::write_report(c, *state); });
}

TEST(WriteReport, DecisionCases) {
  struct Case {
    float p_at_least, p_above, alpha;
    bool randomized;
    const char* verdict;
  };
  const Case cases[] = {
      {0.05f, 0.01f, 0.05f, false, " 一様性の帰無仮説は棄却された. "},        // at least == level
      {0.06f, 0.05f, 0.05f, false, " 一様性の帰無仮説は棄却されなかった. "},  // above == level
      {0.03f, 0.03f, 0.05f, false, " 一様性の帰無仮説は棄却された. "},
      {0.2f, 0.2f, 0.05f, false, " 一様性の帰無仮説は棄却されなかった. "},
      {0.06f, 0.04f, 0.05f, true, ""},  // randomized: either verdict
  };
  for (const Case& c : cases) {
    uint32_t draws = 0;
    const std::string out = report(2, 7.5f, c.p_at_least, c.p_above, c.alpha, &draws);
    EXPECT_EQ(draws, c.randomized ? 1u : 0u) << c.p_at_least << " " << c.p_above;
    EXPECT_EQ(contains(out, " ランザミザ－ション検定によって "), c.randomized);
    if (*c.verdict) {
      EXPECT_TRUE(contains(out, c.verdict)) << c.p_at_least << " " << c.p_above;
    }
    EXPECT_TRUE(contains(out, "  有意水準    5.00000 パ－セントで, "));
  }
}

TEST(WriteReport, FieldsAndForms) {
  uint32_t draws = 0;
  const std::string big = report(10, 1.0e6f, 0.04f, 0.04f, 0.05f, &draws);
  EXPECT_TRUE(contains(big, " 　検定統計量の値は ********** です\r\n"));
  EXPECT_TRUE(contains(big, " 　ｐ値は  0.04000 です.\r\n"));
  EXPECT_TRUE(contains(big, "   第10 群の主効果は,"));
  EXPECT_TRUE(contains(big, "   第10 群の平均は,"));
  const std::string below = report(2, 999999.94f, 0.06f, 0.04f, 0.05f, &draws);
  EXPECT_TRUE(contains(below, " 　検定統計量の値は 999999.938 です\r\n"));
  EXPECT_TRUE(contains(below, " 　ｐ値は  0.04000 から 0.06000 です.\r\n"));
}

}  // namespace
