// The box-plot filter as a whole: the 21 statements of a group, refusals
// before any row, and nothing at all for a group count of 0 or below.
#include <gtest/gtest.h>

#include <string>

#include "boxplot/boxplot.h"
#include "support/capture.h"

namespace {

using Result = testsupport::Captured;

Result run(const std::string& input) { return testsupport::capture_run(boxplot::run, input); }

TEST(Run, RefusalsComeBeforeAnyRow) {
  const struct {
    const char* name;
    const char* input;
  } cases[] = {
      {"size zero after a good group", "2\n3 0\n1 2 3\n"},
      {"negative size", "2\n3 -1\n1 2 3\n"},
      {"most negative size", "1\n-2147483648\n"},
      {"size above 100", "1\n101\n"},
      {"eleven groups", "11\n"},
  };
  for (const auto& c : cases) {
    const Result r = run(c.input);
    EXPECT_EQ(r.status, 8) << c.name;
    EXPECT_TRUE(r.out.empty()) << c.name;
    EXPECT_NE(r.err.find("error"), std::string::npos) << c.name;
  }
}

TEST(Run, NoGroupsAreRefused) {
  for (const char* input : {"0\n", "-5\n", "-2147483648\n"}) {
    const Result r = run(input);
    EXPECT_EQ(r.status, 8) << input;
    EXPECT_TRUE(r.out.empty()) << input;
    EXPECT_NE(r.err.find("is below 1; at least one group is needed"), std::string::npos) << input;
  }
}

TEST(Run, EndOfInputStopsBeforeAnyRow) {
  const Result r = run("2\n5 4\n5 1 4 2 3\n");
  EXPECT_EQ(r.status, 12);
  EXPECT_TRUE(r.out.empty());
}

}  // namespace
