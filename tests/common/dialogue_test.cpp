// The shared group dialogue, the silent reader, the echo printer and the
// grand mean.
#include "common/dialogue.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <sstream>
#include <string>

#include "common/echo.h"
#include "console/cp932.h"
#include "support/capture.h"

namespace {

using Outcome = testsupport::Captured;

Outcome run(const std::string& input, const std::function<void(con::Console&)>& body) {
  return testsupport::capture(input, body);
}

const common::DialogueTexts kTexts = {
    "標本の個数(",                      // count_head
    "以下)を入力して下さい",            // count_tail
    " 個の標本サイズを入力して下さい",  // sizes
    "第",                               // group_head
    " 標本の観測値を",                  // group_obs
    "個入力してください.",              // group_more
    "有意水準を入力して下さい. ",       // level
    " 標本目の観測値は ",               // echo_heading
};

TEST(EchoFivePerLine, RecordsOfFiveAndTheRemainder) {
  float a[12];
  for (int k = 0; k < 12; ++k) a[k] = static_cast<float>(k + 1);
  Outcome r = run("", [&](con::Console& c) { common::echo_five_per_line(c, a, 12); });
  EXPECT_EQ(r.out,
            "      1.00000      2.00000      3.00000      4.00000      5.00000\r\n"
            "      6.00000      7.00000      8.00000      9.00000     10.00000\r\n"
            "     11.00000     12.00000\r\n");
  EXPECT_EQ(run("", [&](con::Console& c) { common::echo_five_per_line(c, a, 5); }).out.size(), 67u);
  EXPECT_EQ(run("", [&](con::Console& c) { common::echo_five_per_line(c, a, 0); }).out, "");
  EXPECT_EQ(run("", [&](con::Console& c) { common::echo_five_per_line(c, a, -3); }).out, "\r\n");
  EXPECT_EQ(run("", [&](con::Console& c) { common::echo_five_per_line(c, a, -5); }).out, "");
  float wide[2] = {1234567.5f, -0.000004f};
  EXPECT_EQ(run("", [&](con::Console& c) { common::echo_five_per_line(c, wide, 2); }).out,
            "  ***********      0.00000\r\n");
}

TEST(GroupDialogue, PromptsReadsAndEcho) {
  common::GroupData d;
  // Three groups, sizes typed over two lines, a group of size 0 reads no line.
  Outcome r = run("3\n2 0\n1\n1.5 2\n7\n0.05\n", [&](con::Console& c) {
    common::group_dialogue(c, kTexts, 100, common::echo_five_per_line, d);
  });
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(d.group_count, 3);
  EXPECT_EQ(d.sizes[1], 0);
  EXPECT_EQ(d.observations[0][1], 2.0f);
  EXPECT_EQ(d.observations[2][0], 7.0f);
  EXPECT_EQ(d.total_size, 3);
  EXPECT_EQ(d.alpha, 0.05f);
  const std::string expected = con::to_cp932(
      " 標本の個数(10 以下)を入力して下さい\r\n"
      " 3  個の標本サイズを入力して下さい\r\n"
      " 第1  標本の観測値を2\r\n"
      " 個入力してください.\r\n"
      " 第2  標本の観測値を0\r\n"
      " 個入力してください.\r\n"
      " 第3  標本の観測値を1\r\n"
      " 個入力してください.\r\n"
      " 有意水準を入力して下さい. \r\n"
      " 第1  標本目の観測値は \r\n"
      "      1.50000      2.00000\r\n"
      " 第2  標本目の観測値は \r\n"
      " 第3  標本目の観測値は \r\n"
      "      7.00000\r\n");
  EXPECT_EQ(r.out, expected);
}

TEST(GroupDialogue, RefusesWhatStorageCannotHold) {
  common::GroupData d;
  Outcome k11 = run("11\n", [&](con::Console& c) {
    common::group_dialogue(c, kTexts, 100, common::echo_five_per_line, d);
  });
  EXPECT_EQ(k11.status, 8);
  EXPECT_EQ(k11.out, con::to_cp932(" 標本の個数(10 以下)を入力して下さい\r\n"));
  Outcome big = run("2\n3 101\n", [&](con::Console& c) {
    common::group_dialogue(c, kTexts, 100, common::echo_five_per_line, d);
  });
  EXPECT_EQ(big.status, 8);
  EXPECT_EQ(big.out.find(con::to_cp932("第")), std::string::npos);  // no group prompt
  // Negative sizes pass the dialogue; a total outside 32 bits does not.
  Outcome neg = run("2\n-2000000000 -2000000000\n",
                    [&](con::Console& c) { common::read_groups_silently(c, 100, d); });
  EXPECT_EQ(neg.status, 8);
  // A group count of 0 or below leaves nothing to analyse: refused right after
  // the count read, like a count of 11, in the dialogue and in the silent reader.
  Outcome none = run("-1\n0.05\n", [&](con::Console& c) {
    common::group_dialogue(c, kTexts, 100, common::echo_five_per_line, d);
  });
  EXPECT_EQ(none.status, 8);
  EXPECT_EQ(none.out, k11.out);
  EXPECT_EQ(d.group_count, -1);
  Outcome zero = run("0\n", [&](con::Console& c) { common::read_groups_silently(c, 100, d); });
  EXPECT_EQ(zero.status, 8);
  EXPECT_EQ(zero.out, "");
}

}  // namespace
