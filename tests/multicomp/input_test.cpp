// The input stage of the comparison program: the echo printer, the level
// lines, and the refusals of data it cannot hold or compare (with the output
// made before the refusal kept and nothing after it).
#include <gtest/gtest.h>

#include <string>

#include "console/cp932.h"
#include "multicomp/state.h"
#include "multicomp/test_helpers.h"
#include "support/capture.h"

namespace {

using multicomp_test::Result;
using multicomp_test::run;

// Standard output of body run as a whole program with no input.
std::string printed(void (*body)(con::Console&)) { return testsupport::capture("", body).out; }

TEST(EchoTenPerLine, Layout) {
  EXPECT_EQ(printed([](con::Console& c) {
              const float a[] = {1.5f, 12.25f, -3.0f};
              multicomp::echo_ten_per_line(c, a, 3);
            }),
            "   1.50  12.25  -3.00\r\n");
  EXPECT_EQ(printed([](con::Console& c) {
              float a[12];
              for (int i = 0; i < 12; ++i) a[i] = static_cast<float>(i);
              multicomp::echo_ten_per_line(c, a, 12);
            }),
            "   0.00   1.00   2.00   3.00   4.00   5.00   6.00   7.00   8.00   9.00\r\n"
            "  10.00  11.00\r\n");
  EXPECT_EQ(printed([](con::Console& c) {
              const float a[] = {1234.5f, -99.995f, 999.995f, -0.004f};
              multicomp::echo_ten_per_line(c, a, 4);
            }),
            " ****** ****** 999.99   0.00\r\n");
  EXPECT_EQ(printed([](con::Console& c) { multicomp::echo_ten_per_line(c, nullptr, 0); }), "");
}

TEST(ReadInput, LevelLines) {
  const Result o = run("1\n1\n5\n0.1\n");
  EXPECT_EQ(o.status, 0);
  EXPECT_NE(o.out.find(con::to_cp932("   信頼係数  0.9000 の同時信頼区間を求める.\r\n \r\n")),
            std::string::npos);
  EXPECT_NE(o.out.find(con::to_cp932("          水準  0.1000 の同時検定と \r\n")),
            std::string::npos);
}

// Out-of-model sizes: more than 10 groups and more than 50 observations are
// refused at their read; an empty or negative group among two or more after
// the dialogue's last line, before the percent-point heading.
TEST(ReadInput, Refusals) {
  struct Case {
    const char* input;
    const char* last_line;  // the output ends with this line
  };
  const std::string blank_after_levels = " \r\n";
  const Case cases[] = {
      {"11\n", " 11  つの群サイズを入力して下さい"},
      {"2\n3 51\n", ""},
      {"2\n0 3\n4 5 6\n0.05\n", "の同時信頼区間を求める."},
      {"2\n3 0\n1 2 3\n0.05\n", "の同時信頼区間を求める."},
      {"3\n2 -3 2\n1 2\n3 4\n0.05\n", "の同時信頼区間を求める."},
      {"2\n-2000000000 -2000000000\n", ""},
  };
  for (const Case& c : cases) {
    const Result o = run(c.input);
    EXPECT_EQ(o.status, 8) << c.input;
    EXPECT_FALSE(o.err.empty()) << c.input;
    EXPECT_EQ(o.out.find(con::to_cp932("漸近分布")), std::string::npos) << c.input;
    if (std::string(c.last_line).find("同時信頼") != std::string::npos) {
      const std::string tail = con::to_cp932(c.last_line) + "\r\n" + blank_after_levels;
      ASSERT_GE(o.out.size(), tail.size());
      EXPECT_EQ(o.out.substr(o.out.size() - tail.size()), tail) << c.input;
    }
  }
  EXPECT_EQ(run("11\n").out.substr(run("11\n").out.size() - 2), "\r\n");
}

// A single group of size 0 is kept (there is no pair to compare): the heading
// alone. No group at all is refused right after the count read.
TEST(ReadInput, FewGroupsKept) {
  const Result one = run("1\n0\n0.05\n");
  EXPECT_EQ(one.status, 0);
  EXPECT_NE(one.out.find(con::to_cp932("パーセント点；  0.000\r\n")), std::string::npos);
  const Result none = run("0\n0.05\n");
  EXPECT_EQ(none.status, 8);
  EXPECT_EQ(none.out, con::to_cp932(" 群の個数(10 以下)を入力して下さい\r\n"));
}

}  // namespace
