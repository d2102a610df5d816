// The two decisions share the first generator, the trend test first: a
// decision that is not randomized draws nothing, so when only the second test
// is randomized it takes the first value, and when both are, the first test
// takes one value and the second the next. The report prints them as drawn.
#include <gtest/gtest.h>

#include <string>

#include "console/cp932.h"
#include "support/printed.h"
#include "trendrank/test_helpers.h"

namespace {

using trendrank_test::state_with;

// Occurrences of a text line (code page 932, free-form: one leading blank).
int count_lines(const std::string& out, const char* utf8) {
  const std::string line = " " + con::to_cp932(utf8) + "\r\n";
  int n = 0;
  for (size_t at = out.find(line); at != std::string::npos; at = out.find(line, at + 1)) ++n;
  return n;
}

TEST(DecideBothTests, DrawInTestOrder) {
  // Share above 0.04 < alpha 0.05 < share at or above 0.06: h is about one
  // half. A fresh stream hands out 0.488144845 (<= h: rejected), then
  // 0.521293581 (> h: not).
  struct Case {
    const char* name;
    float trend_at_least, trend_above, departure_at_least, departure_above;
    int randomized;
    bool trend_rejected, departure_rejected;
    int draws;
  };
  const Case cases[] = {
      {"only the second randomized", 0.01f, 0.01f, 0.06f, 0.04f, 1, true, true, 1},
      {"both randomized", 0.06f, 0.04f, 0.06f, 0.04f, 2, true, false, 2},
      {"only the first randomized", 0.06f, 0.04f, 0.5f, 0.5f, 1, true, false, 1},
  };
  for (const Case& tc : cases) {
    auto state = state_with({{1, 2}, {3, 4}});
    state->data.alpha = 0.05f;
    state->trend = {1, 1, tc.trend_at_least, tc.trend_above, {}};
    state->departure = {1, 1, tc.departure_at_least, tc.departure_above, {}};
    trendrank::decide_both_tests(*state);
    const std::string out =
        testsupport::printed([&](con::Console& c) { trendrank::write_report(c, *state); });
    EXPECT_EQ(count_lines(out, " ランザミザ－ション検定によって "), tc.randomized) << tc.name;
    EXPECT_EQ(count_lines(out, " 一様性の帰無仮説は棄却された. "), tc.trend_rejected ? 1 : 0)
        << tc.name;
    EXPECT_EQ(count_lines(out, " 帰無仮説は棄却され『傾向性がない』が受容された. "),
              tc.departure_rejected ? 1 : 0)
        << tc.name;
    common::UniformGenerator g;
    for (int i = 0; i < tc.draws; ++i) g.next();
    EXPECT_EQ(state->permutation_generator.state(), g.state()) << tc.name;
  }
}

}  // namespace
