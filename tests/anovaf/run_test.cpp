// Whole runs in one process: the decision at P exactly equal to the level and
// one float below it, runs that leave no trace on the next, and the refusals
// of data beyond the storage (status 8, nothing printed after the prompt that
// asked for the value).
#include <gtest/gtest.h>

#include <string>

#include "anovaf/anovaf.h"
#include "console/cp932.h"
#include "support/capture.h"

namespace {

using Result = testsupport::Captured;

Result run(const std::string& input) { return testsupport::capture_run(anovaf::run, input); }

bool has_line(const std::string& out, const std::string& utf8_line) {
  return out.find("\r\n" + con::to_cp932(utf8_line) + "\r\n") != std::string::npos;
}

TEST(Run, LevelEqualToPRejects) {
  // P of the worked example is 0x1.5d2b68p-6; 0.021311618 reads as that float
  // and 0.021311616 as the one below it.
  const struct {
    const char* level;
    bool rejected;
  } cases[] = {
      {"0.021311618", true},
      {"0.021311616", false},
      {"0.05", true},
      {"0.01", false},
  };
  for (const auto& c : cases) {
    Result r = run(std::string("2\n3 3\n1 2 3\n4 5 6\n") + c.level + "\n");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(has_line(r.out, "  棄却された. "), c.rejected) << c.level;
    EXPECT_EQ(has_line(r.out, "  棄却されなかった. "), !c.rejected) << c.level;
  }
}

TEST(Run, RunsAreIndependent) {
  const std::string big = "3\n4 2 3\n1 2 3 5\n7 8\n2 2 9\n0.1\n";
  const std::string small = "2\n1 1\n3\n4\n0.05\n";
  const Result first = run(big);
  const Result alone = run(small);
  run(big);
  const Result after = run(small);
  EXPECT_EQ(first.status, 0);
  EXPECT_EQ(after.out, alone.out);
  EXPECT_EQ(after.status, alone.status);
}

TEST(Run, DataBeyondStorageRefused) {
  const std::string count_prompt = con::to_cp932(" 標本の個数(10 以下)を入力して下さい") + "\r\n";
  const std::string sizes_prompt = con::to_cp932(" 3  個の標本サイズを入力して下さい") + "\r\n";
  const struct {
    const char* input;
    std::string out;
  } cases[] = {
      {"11\n", count_prompt},
      {"2147483647\n", count_prompt},
      {"3\n1 101 2\n", count_prompt + sizes_prompt},
      {"3\n100 2147483647 2147483647\n", count_prompt + sizes_prompt},
  };
  for (const auto& c : cases) {
    const Result r = run(c.input);
    EXPECT_EQ(r.status, 8) << c.input;
    EXPECT_EQ(r.out, c.out) << c.input;
    EXPECT_FALSE(r.err.empty()) << c.input;
  }
}

TEST(Run, ExtremeSizesRefusedWithoutFault) {
  // Negative sizes whose total stays in 32 bits are refused after the echo;
  // a total leaving 32 bits is refused after the read of the group that
  // overflows it, before the level prompt.
  Result echoed = run("2\n-2147483647 -1\n0.05\n");
  EXPECT_EQ(echoed.status, 8);
  EXPECT_NE(echoed.out.find(con::to_cp932(" 標本目の観測値は ")), std::string::npos);
  EXPECT_EQ(echoed.out.find(con::to_cp932("級内変動")), std::string::npos);
  Result refused = run("3\n-2147483647 -1 -1\n0.05\n");
  EXPECT_EQ(refused.status, 8);
  EXPECT_EQ(refused.out.find(con::to_cp932("有為水準")), std::string::npos);
  // The most negative group count is refused right after its read.
  Result k_min = run("-2147483648\n0.05\n");
  EXPECT_EQ(k_min.status, 8);
  EXPECT_EQ(k_min.out, con::to_cp932(" 標本の個数(10 以下)を入力して下さい\r\n"));
}

}  // namespace
