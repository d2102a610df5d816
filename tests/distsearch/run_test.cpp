// Whole runs on out-of-model and extreme input: every one ends with the
// expected exit status and never touches memory outside the run's storage
// (run under the sanitizers too). Refusals stop right after the read that
// brought the value; degenerate data kept by design run to the end.
#include <gtest/gtest.h>

#include <string>

#include "distsearch/distsearch.h"
#include "support/capture.h"

namespace {

using Result = testsupport::Captured;

Result run(const std::string& input) { return testsupport::capture_run(distsearch::run, input); }

// The last line of standard output, without its CR LF.
std::string last_line(const std::string& out) {
  if (out.size() < 2) return "";
  size_t end = out.size() - 2;
  size_t start = out.rfind("\r\n", end - 1);
  return out.substr(start == std::string::npos ? 0 : start + 2, end - (start + 2));
}

TEST(Run, ExtremeInputEndsWithItsStatus) {
  struct Case {
    const char* name;
    std::string input;
    int status;
  };
  const Case cases[] = {
      {"eleven-groups", "11\n", 8},
      {"size-1001", "2\n5 1001\n", 8},
      {"total-outside-32-bits", "2\n-2000000000 -2000000000\n", 8},
      {"huge-count", "99999999999\n", 8},
      {"real-beyond-single", "1\n3\n1e39 1 2\n", 8},
      {"smallest-count", "-2147483648\n", 8},
      {"smallest-size", "1\n-2147483648\n", 8},
      {"size-zero-only", "1\n0\n", 8},
      {"long-repeat", "1\n3\n2147483647*1.5\n", 0},
      {"subnormal-residuals", "1\n2\n1e-45 -1e-45\n", 0},
      {"end-of-input", "3\n2 2 2\n1 2\n", 12},
  };
  for (const Case& t : cases) {
    EXPECT_EQ(run(t.input).status, t.status) << t.name;
  }
}

TEST(Run, DegenerateDataNameTheNormalLawOrAreRefused) {
  // Residuals all 0: all distances 0, the normal law named.
  // " " + nine ideographic spaces + the 30-byte name of the normal law.
  const std::string normal =
      " \x81\x40\x81\x40\x81\x40\x81\x40\x81\x40\x81\x40\x81\x40\x81\x40\x81\x40"
      "\x90\xB3\x8B\x4B\x95\xAA\x95\x7A                      ";
  Result flat = run("2\n2 2\n1 1\n4 4\n");
  EXPECT_EQ(flat.status, 0);
  EXPECT_EQ(last_line(flat.out), normal);
  // No groups, a negative total, a group of one: nothing to measure, refused
  // before the search (no law is named).
  for (const char* in : {"0\n", "1\n-2147483648\n", "1\n1\n3.5\n"}) {
    Result r = run(in);
    EXPECT_EQ(r.status, 8) << in;
    EXPECT_EQ(r.out.find(" \x81\x40\x81\x40"), std::string::npos) << in;
  }
}

TEST(Run, LargestDataSet) {
  // Ten groups of 1000 (10000 residuals): the quadratic sort and seven passes.
  std::string in = "10\n1000 1000 1000 1000 1000 1000 1000 1000 1000 1000\n";
  unsigned x = 12345u;
  for (int i = 0; i < 10; ++i) {
    for (int j = 0; j < 1000; ++j) {
      x = x * 1103515245u + 12345u;  // wraps: unsigned on purpose
      in += std::to_string((x >> 8) % 100000u) + (j % 10 == 9 ? "\n" : " ");
    }
  }
  Result r = run(in);
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out.substr(r.out.size() - 2), "\r\n");
}

}  // namespace
