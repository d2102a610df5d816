// The comparison report of whole runs: the per-pair lines (the rank sum with
// halves rounded up, the interval indices, a level of 1 or more) and the
// numbering of the pairs.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "console/cp932.h"
#include "multicomp/test_helpers.h"

namespace {

using multicomp_test::Result;
using multicomp_test::run;

// The lines of the report after the heading, split at CR LF.
std::vector<std::string> report_lines(const std::string& out) {
  std::vector<std::string> lines;
  size_t pos = out.find(con::to_cp932("漸近分布"));
  pos = out.rfind("\r\n", pos) + 2;
  while (pos < out.size()) {
    size_t end = out.find("\r\n", pos);
    lines.push_back(out.substr(pos, end - pos));
    pos = end + 2;
  }
  return lines;
}

TEST(WriteReport, TiedPair) {
  const Result r = run("2\n2 2\n1 2\n2 3\n0.05\n");
  auto lines = report_lines(r.out);
  EXPECT_EQ(r.status, 0);
  ASSERT_EQ(lines.size(), 9u);
  EXPECT_EQ(lines[4], "       TR( 1, 2 )=      -1.000");  // rank sum 1 + 3 (2.5 rounded up)
  EXPECT_EQ(lines[6], con::to_cp932(" 　帰無仮説は棄却されない."));
  // product = 1.96 sqrt(5/3) = 2.53 > m/2 = 2: m/2 - product = -0.53 truncates
  // to trimmed = 0, so lower = 1, upper = 4 and the interval spans all four
  // differences -2, -1, -1, 0. (A trimmed below zero, clamped to lower = 1 and
  // upper = m, is in the ten-groups golden.)
  EXPECT_EQ(lines[8], con::to_cp932("       同時信頼区間は  [     -2.0000 ,       0.0000)"));
}

// Sizes 50 and 11 at the level whose percent point is 3.583 (the two-sided
// normal point 3.58262): product = 53.307285 * 3.583 = 191.0000033, and
// m/2 - product = 83.9999967 rounds to 84 in single, so trimmed = 84,
// lower = 85, upper = 466. Taking trimmed from the double (83) would give
// [-12.9000, 10.4000). Sorted differences from a separate model.
TEST(WriteReport, IntervalIndexRoundedToSingle) {
  const std::string in =
      "2\n50 11\n"
      "0 7.3 14.6 21.9 4.2 11.5 18.8 1.1 8.4 15.7 23 5.3 12.6 19.9 2.2 9.5 16.8 24.1 6.4 13.7 "
      "21 3.3 10.6 17.9 0.2 7.5 14.8 22.1 4.4 11.7 19 1.3 8.6 15.9 23.2 5.5 12.8 20.1 2.4 9.7 "
      "17 24.3 6.6 13.9 21.2 3.5 10.8 18.1 0.4 7.7\n"
      "1.1 3.5 5.9 8.3 10.7 13.1 15.5 17.9 20.3 22.7 25.1\n"
      "0.000340168\n";
  const Result r = run(in);
  auto lines = report_lines(r.out);
  EXPECT_EQ(r.status, 0);
  ASSERT_EQ(lines.size(), 9u);
  EXPECT_EQ(lines[0], con::to_cp932("    漸近分布の上側   0.0 パーセント点；  3.583"));
  EXPECT_EQ(lines[5], con::to_cp932("       (有意点)=        191.000"));
  EXPECT_EQ(lines[8], con::to_cp932("       同時信頼区間は  [    -12.8000 ,      10.3000)"));
}

// A level of 1: the percent point is 0, so trimmed = m/2 and lower > upper
// (printed as they fall, both within the differences).
TEST(WriteReport, LevelOne) {
  const Result r = run("2\n2 2\n1 2\n4 8\n1\n");
  auto lines = report_lines(r.out);
  EXPECT_EQ(r.status, 0);
  ASSERT_EQ(lines.size(), 10u);  // rank sum 3, TR = -2 > 0: the two rejection lines
  EXPECT_EQ(lines[0], con::to_cp932("    漸近分布の上側 100.0 パーセント点；  0.000"));
  EXPECT_EQ(lines[5], con::to_cp932("       (有意点)=          0.000"));
  // Differences -7, -6, -3, -2: trimmed = 2, lower = 3, upper = 2.
  EXPECT_EQ(lines[9], con::to_cp932("       同時信頼区間は  [     -3.0000 ,      -6.0000)"));
}

// Ten groups: the pair (9, 10) is the 45th comparison.
TEST(WriteReport, TenGroups) {
  std::string in = "10\n1 1 1 1 1 1 1 1 1 1\n";
  for (int i = 1; i <= 10; ++i) in += std::to_string(i) + "\n";
  in += "0.05\n";
  const Result r = run(in);
  auto lines = report_lines(r.out);
  EXPECT_EQ(r.status, 0);
  ASSERT_EQ(lines.size(), 1u + 45u * 8u);
  EXPECT_EQ(lines[lines.size() - 7], con::to_cp932(" ( 45 ) 第 9 群と第 10 群との比較"));
}

}  // namespace
