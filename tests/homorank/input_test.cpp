// The input stage: the refusal of a group of no observation comes after the
// echo and before any rank.
#include <gtest/gtest.h>

#include <string>

#include "homorank/test_helpers.h"

namespace {

using homorank_test::contains;
using homorank_test::Result;
using homorank_test::run;

TEST(ReadInput, RefusesEmptyAndNegativeGroupsAfterTheEcho) {
  for (const char* in : {"2\n3 0\n1 2 3\n0.05\n", "3\n2 -1 2\n1 2\n3 4\n0.05\n"}) {
    const Result r = run(in);
    EXPECT_EQ(r.status, 8) << in;
    EXPECT_TRUE(contains(r.out, " 群の観測値は ")) << in;  // the echo was printed
    EXPECT_FALSE(contains(r.out, "順位")) << in;           // the ranks were not
  }
}

}  // namespace
