// The distribution-function filter as a whole: refusals before any row and
// the exit status, end of input, and empty groups skipped.
#include <gtest/gtest.h>

#include <string>

#include "cdfplot/cdfplot.h"
#include "support/capture.h"

namespace {

using Result = testsupport::Captured;

Result run(const std::string& input) { return testsupport::capture_run(cdfplot::run, input); }

TEST(Run, RefusalsComeBeforeAnyRow) {
  const struct {
    const char* name;
    const char* input;
  } cases[] = {
      {"M of 10", "10\n1\n2\n1 2\n"},
      {"largest M", "2147483647\n"},
      {"group of one", "1\n2\n3 1\n1 2 3\n4\n"},
      {"negative size", "1\n2\n2 -3\n1 2\n"},
      {"most negative size", "1\n1\n-2147483648\n"},
      {"no groups", "1\n0\n"},
      {"negative number of groups", "1\n-4\n"},
      {"every group empty", "1\n3\n0 0 0\n"},
      {"size above 1000", "1\n1\n1001\n"},
      {"eleven groups", "1\n11\n"},
  };
  for (const auto& c : cases) {
    const Result r = run(c.input);
    EXPECT_EQ(r.status, 8) << c.name;
    EXPECT_TRUE(r.out.empty()) << c.name;
    EXPECT_NE(r.err.find("error"), std::string::npos) << c.name;
  }
}

TEST(Run, EndOfInputStopsBeforeAnyRow) {
  const Result r = run("1\n2\n3 3\n1 2 3\n");
  EXPECT_EQ(r.status, 12);
  EXPECT_TRUE(r.out.empty());
}

TEST(Run, LargestNegativeMTiesEverything) {
  const Result r = run("-2147483648\n1\n3\n1 2 4\n");
  EXPECT_EQ(r.status, 0);
  int rows = 0;
  for (char ch : r.out) rows += ch == '\n' ? 1 : 0;
  EXPECT_EQ(rows, 6);
}

}  // namespace
