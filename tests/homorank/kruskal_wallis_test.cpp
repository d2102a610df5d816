// The Kruskal-Wallis test: the statistic and its normalisation on worked
// examples, and, through whole runs, the choice between the chi-square law and
// the rearrangements and the draws of the one generator stream.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "console/cp932.h"
#include "homorank/state.h"
#include "homorank/test_helpers.h"
#include "support/floats.h"
#include "support/groups.h"

namespace {

using homorank_test::contains;
using homorank_test::input_for;
using homorank_test::Result;
using homorank_test::run;
using testsupport::ramp;

TEST(KruskalWallisStatistic, WorkedExamples) {
  struct Case {
    std::vector<std::vector<float>> groups;
    std::vector<float> ranks;
    std::vector<float> mean_ranks;
    float statistic;
  };
  const Case cases[] = {
      {{{1, 2, 3}, {4, 5}}, {1, 2, 3, 4, 5}, {2.0f, 4.5f}, 7.5f},
      {{{5, 5, 7}}, {1.5f, 1.5f, 3.0f}, {2.0f}, 0.0f},  // one group: TR 0
      // Mean rank 10/3 is printed rounded to single; TR takes the double
      // quotient, 3 (10/3 - 3)^2 = 1/3, and is stored in single after each
      // group: 1/3 -> 0.333333343, +1 -> 1.33333337, +1 -> 2.33333349 (one
      // double sum stored once would give 2.33333325).
      {{{1, 3, 6}, {2}, {4}}, {1, 3, 6, 2, 4}, {3.33333325f, 2.0f, 4.0f}, 2.33333349f},
  };
  for (const Case& c : cases) {
    const auto groups = testsupport::make_groups(c.groups);
    float mean_ranks[common::kMaxGroups] = {};
    const float statistic = homorank::kruskal_wallis_statistic(
        *groups, c.ranks.data(), static_cast<int32_t>(c.ranks.size()), mean_ranks);
    EXPECT_EQ(statistic, c.statistic);
    for (size_t i = 0; i < c.mean_ranks.size(); ++i) EXPECT_EQ(mean_ranks[i], c.mean_ranks[i]) << i;
  }
}

TEST(KruskalWallisNormalized, TieCorrectionAndDegenerate) {
  const float plain[] = {1, 2, 3, 4, 5};
  EXPECT_EQ(homorank::kruskal_wallis_normalized(plain, 5, 7.5f), 3.0f);  // spread 10
  const float ties[] = {1.5f, 1.5f, 3.5f, 3.5f, 5.0f};  // spread 2.25+2.25+.25+.25+4 = 9
  EXPECT_EQ(homorank::kruskal_wallis_normalized(ties, 5, 4.5f), 2.0f);
  const float equal[] = {2, 2, 2};
  const float h = homorank::kruskal_wallis_normalized(equal, 3, 0.0f);
  EXPECT_TRUE(std::isnan(h));
  EXPECT_TRUE(std::signbit(h));  // the NaN of 0/0
}

TEST(KruskalWallisNormalized, SpreadStaysDouble) {
  // Ranks 1..1000 spread by (1000^3 - 1000)/12 = 83333250, which single precision would store as
  // 83333248; TR 750500 sits where that changes H: 750500 * 999 / 83333250 = 9006/1001 stores as
  // 8.9970026 (0x410ff3b9), over 83333248 as 8.99700356 (0x410ff3ba).
  std::vector<float> ranks(1000);
  for (int a = 0; a < 1000; ++a) ranks[a] = static_cast<float>(a + 1);
  EXPECT_EQ(testsupport::bits(homorank::kruskal_wallis_normalized(ranks.data(), 1000, 750500.0f)),
            0x410ff3b9u);
}

// The P-value line of a run.
std::string p_line(const std::string& out) {
  const std::string head = con::to_cp932(" 　ｐ値は ");
  const size_t at = out.find(head);
  if (at == std::string::npos) return "";
  return out.substr(at, out.find("\r\n", at) - at);
}

TEST(TestHomogeneity, BranchByGroupSize) {
  // 30 and 30: chi-square, one P value; 30 and 29: randomization, a range.
  const std::string chi = run(input_for({ramp(30, 1, 1), ramp(30, 1.5f, 1)}, "0.05")).out;
  EXPECT_EQ(p_line(chi).find(con::to_cp932(" から")), std::string::npos) << p_line(chi);
  const std::string perm = run(input_for({ramp(30, 1, 1), ramp(29, 1.5f, 1)}, "0.05")).out;
  EXPECT_NE(p_line(perm).find(con::to_cp932(" から")), std::string::npos) << p_line(perm);
  EXPECT_FALSE(p_line(perm).empty());
}

TEST(TestHomogeneity, SingleSmallGroupDrawsOnlyForTheDecision) {
  // No position to rearrange: the P values are 0.9999 and 0; the randomized
  // decision then takes the first value of the stream, 0.488144845 <= 0.5/0.9999.
  const std::string out = run(input_for({{1, 2, 3, 10}}, "0.5")).out;
  EXPECT_EQ(p_line(out), con::to_cp932(" 　ｐ値は  0.00000 から 0.99990 です."));
  EXPECT_TRUE(contains(out, " ランザミザ－ション検定によって "));
  EXPECT_TRUE(contains(out, " 一様性の帰無仮説は棄却された. "));
  EXPECT_TRUE(contains(out, "          全平均は,         2.750"));  // centre of (1,2,3,10)
}

TEST(TestHomogeneity, RepeatedRunsAgree) {
  const std::string in = input_for({{3, 1, 4, 1.5f}, {5, 9, 2}, {6, 5.5f}}, "0.1");
  const Result first = run(in);
  const Result second = run(in);
  EXPECT_EQ(first.out, second.out);
  EXPECT_EQ(first.status, 0);
  EXPECT_EQ(second.status, 0);
}

}  // namespace
