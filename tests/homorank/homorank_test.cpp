// homorank: the statistic and its normalisation on the worked examples, the
// rank printer, the choice between the chi-square and randomization branches,
// the draws of the one generator stream, and the report lines that depend on
// the P values, the level and the field widths.
#include "homorank/homorank.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "console/console.h"
#include "console/cp932.h"
#include "support/capture.h"
#include "support/groups.h"
#include "support/printed.h"

namespace {

// A State holding the given groups (as typed sizes) and level.
std::unique_ptr<homorank::State> make_state(const std::vector<std::vector<float>>& groups,
                                            float alpha) {
  auto st = std::make_unique<homorank::State>();
  testsupport::fill_groups(st->grp, groups);
  st->grp.alpha = alpha;
  return st;
}

// Input text for run(): K, the sizes, one line per group, the level.
std::string input_for(const std::vector<std::vector<float>>& groups, const char* alpha) {
  std::ostringstream s;
  s << groups.size() << "\n";
  for (const auto& g : groups) s << g.size() << " ";
  s << "\n";
  for (const auto& g : groups) {
    for (float v : g) s << v << " ";
    s << "\n";
  }
  s << alpha << "\n";
  return s.str();
}

std::string run_text(const std::string& input, int* status = nullptr) {
  const testsupport::Captured r = testsupport::capture_run(homorank::run, input);
  if (status != nullptr) *status = r.status;
  return r.out;
}

bool contains(const std::string& hay, const char* utf8) {
  return hay.find(con::sjis(utf8)) != std::string::npos;
}

TEST(Trnst, WorkedExamples) {
  struct Case {
    std::vector<std::vector<float>> groups;
    std::vector<float> ranks;
    std::vector<float> rbar;
    float tr;
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
    auto st = make_state(c.groups, 0.05f);
    float tr = -1.0f;
    homorank::trnst_(*st, c.ranks.data(), static_cast<int32_t>(c.ranks.size()), tr);
    EXPECT_EQ(tr, c.tr);
    for (size_t i = 0; i < c.rbar.size(); ++i) EXPECT_EQ(st->rbar[i], c.rbar[i]) << i;
  }
}

TEST(Rtstat, TieCorrectionAndDegenerate) {
  const float plain[] = {1, 2, 3, 4, 5};
  float h = 0.0f;
  homorank::rtstat_(plain, 5, 7.5f, h);  // D = 10
  EXPECT_EQ(h, 3.0f);
  const float ties[] = {1.5f, 1.5f, 3.5f, 3.5f, 5.0f};  // D = 2.25+2.25+.25+.25+4 = 9
  homorank::rtstat_(ties, 5, 4.5f, h);
  EXPECT_EQ(h, 2.0f);
  const float equal[] = {2, 2, 2};
  homorank::rtstat_(equal, 3, 0.0f, h);
  EXPECT_TRUE(std::isnan(h));
  EXPECT_TRUE(std::signbit(h));  // the NaN of 0/0
}

TEST(Dout2, RecordsOfFive) {
  const float r[] = {1.5f, 1.5f, 3.0f, 4.0f, 5.0f, 6.125f, 1234567.0f};
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
    EXPECT_EQ(testsupport::printed([&](con::Console& con) { homorank::dout2_(con, r, c.n); }),
              c.expected)
        << c.n;
  }
}

// The lines a run prints from the ranks heading to the TR line.
std::string ranks_block(const std::string& out) {
  const size_t at = out.find(con::sjis(" 順位\r\n"));
  const size_t tr = out.find(con::sjis(" TRの値は"));
  if (at == std::string::npos || tr == std::string::npos) return "";
  return out.substr(at, tr - at);
}

TEST(Rtest, TiedValuesPrintedAsMidRanks) {
  // The pooled values 5, 5, 7 (groups (5, 5) and (7)) rank 1.5, 1.5 and 3 on
  // one line of (2X,F9.2) fields; the mean ranks are 1.5 and 3.
  const std::string out = run_text("2\n2 1\n5 5\n7\n0.05\n");
  EXPECT_EQ(ranks_block(out), con::sjis(" 順位\r\n") + "       1.50       1.50       3.00\r\n" +
                                  con::sjis(" 第1 群の順位の標本平均は　1.50000000\r\n") +
                                  con::sjis(" 第2 群の順位の標本平均は　3.00000000\r\n"));
}

// The P-value line of a run.
std::string p_line(const std::string& out) {
  const std::string head = con::sjis(" 　ｐ値は ");
  const size_t at = out.find(head);
  if (at == std::string::npos) return "";
  return out.substr(at, out.find("\r\n", at) - at);
}

using testsupport::ramp;

TEST(Rtest, BranchByGroupSize) {
  // 30 and 30: chi-square, one P value; 30 and 29: randomization, a range.
  const std::string chi = run_text(input_for({ramp(30, 1, 1), ramp(30, 1.5f, 1)}, "0.05"));
  EXPECT_EQ(p_line(chi).find(con::sjis(" から")), std::string::npos) << p_line(chi);
  const std::string perm = run_text(input_for({ramp(30, 1, 1), ramp(29, 1.5f, 1)}, "0.05"));
  EXPECT_NE(p_line(perm).find(con::sjis(" から")), std::string::npos) << p_line(perm);
  EXPECT_FALSE(p_line(perm).empty());
}

TEST(Rtest, SingleSmallGroupDrawsOnlyForTheDecision) {
  // m = 0: no rearrangement, pge 0.9999 and pgt 0; the randomized decision
  // then takes the first value of the stream, 0.488144845 <= h = 0.5/0.9999.
  const std::string out = run_text(input_for({{1, 2, 3, 10}}, "0.5"));
  EXPECT_EQ(p_line(out), con::sjis(" 　ｐ値は  0.00000 から 0.99990 です."));
  EXPECT_TRUE(contains(out, " ランザミザ－ション検定によって "));
  EXPECT_TRUE(contains(out, " 一様性の帰無仮説は棄却された. "));
  EXPECT_TRUE(contains(out, "          全平均は,         2.750"));  // centre of (1,2,3,10)
}

TEST(Rtest, RepeatedRunsAgree) {
  const std::string in = input_for({{3, 1, 4, 1.5f}, {5, 9, 2}, {6, 5.5f}}, "0.1");
  int s1 = -1, s2 = -1;
  EXPECT_EQ(run_text(in, &s1), run_text(in, &s2));
  EXPECT_EQ(s1, 0);
  EXPECT_EQ(s2, 0);
}

// The report for given results: K groups of one observation, TR, H, pge, pgt.
std::string report(int k, float tr, float pge, float pgt, float alpha, uint32_t* draws) {
  std::vector<std::vector<float>> groups;
  for (int i = 0; i < k; ++i) groups.push_back({static_cast<float>(i)});
  auto st = make_state(groups, alpha);
  st->rte1_[0] = tr;
  st->rte1_[1] = 1.0f;
  st->rte1_[2] = pge;
  st->rte1_[3] = pgt;
  const uint32_t before = common::UniformGenerator::at_state(12345u).state();
  st->gen = common::UniformGenerator::at_state(12345u);
  const std::string out = testsupport::printed([&](con::Console& c) { homorank::kekka_(c, *st); });
  *draws = st->gen.state() == before ? 0u : 1u;
  return out;
}

TEST(Kekka, DecisionCases) {
  struct Case {
    float pge, pgt, alpha;
    bool randomized;
    const char* verdict;
  };
  const Case cases[] = {
      {0.05f, 0.01f, 0.05f, false, " 一様性の帰無仮説は棄却された. "},        // pge == alpha
      {0.06f, 0.05f, 0.05f, false, " 一様性の帰無仮説は棄却されなかった. "},  // pgt == alpha
      {0.03f, 0.03f, 0.05f, false, " 一様性の帰無仮説は棄却された. "},
      {0.2f, 0.2f, 0.05f, false, " 一様性の帰無仮説は棄却されなかった. "},
      {0.06f, 0.04f, 0.05f, true, ""},  // randomized: either verdict
  };
  for (const Case& c : cases) {
    uint32_t draws = 0;
    const std::string out = report(2, 7.5f, c.pge, c.pgt, c.alpha, &draws);
    EXPECT_EQ(draws, c.randomized ? 1u : 0u) << c.pge << " " << c.pgt;
    EXPECT_EQ(contains(out, " ランザミザ－ション検定によって "), c.randomized);
    if (*c.verdict) {
      EXPECT_TRUE(contains(out, c.verdict)) << c.pge << " " << c.pgt;
    }
    EXPECT_TRUE(contains(out, "  有意水準    5.00000 パ－セントで, "));
  }
}

TEST(Kekka, FieldsAndForms) {
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

TEST(Input, RefusesEmptyAndNegativeGroupsAfterTheEcho) {
  for (const char* in : {"2\n3 0\n1 2 3\n0.05\n", "3\n2 -1 2\n1 2\n3 4\n0.05\n"}) {
    int status = -1;
    const std::string out = run_text(in, &status);
    EXPECT_EQ(status, 8) << in;
    EXPECT_TRUE(contains(out, " 群の観測値は ")) << in;  // the echo was printed
    EXPECT_FALSE(contains(out, "順位")) << in;           // the ranks were not
  }
}

}  // namespace
