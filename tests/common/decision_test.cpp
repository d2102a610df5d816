// The randomized decision: which branch each (p_at_least, p_above, alpha)
// takes, when a value is drawn, the NaN branches, and the bytes of the level
// and P lines.
#include "common/decision.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "console/console.h"
#include "console/cp932.h"
#include "support/printed.h"

namespace {

const std::string kLevel5 = con::to_cp932("  有意水準    5.00000 パ－セントで, ") + "\r\n";
const std::string kRandom = con::to_cp932("  ランザミザ－ション検定によって ") + "\r\n";
const std::string kReject = con::to_cp932("  一様性の帰無仮説は棄却された. ") + "\r\n";
const std::string kAccept = con::to_cp932("  一様性の帰無仮説は棄却されなかった. ") + "\r\n";

struct Outcome {
  std::string out;
  bool rejected;
  uint32_t state_after;
};

Outcome run(float p_at_least, float p_above, float alpha, common::UniformGenerator gen) {
  Outcome o;
  o.out = testsupport::printed([&](con::Console& c) {
    const common::Decision d = common::randomized_decision(p_at_least, p_above, alpha, gen);
    common::write_decision(c, d, alpha, common::kRejectHomogeneity, common::kAcceptHomogeneity);
    o.rejected = d.rejected;
  });
  o.state_after = gen.state();
  return o;
}

TEST(Decision, Branches) {
  const float nan = std::nanf("");
  struct Case {
    const char* name;
    float p_at_least, p_above, alpha;
    bool drawn;
    std::string lines;
  };
  const Case cases[] = {
      {"p_at_least = p_above below alpha", 0.03f, 0.03f, 0.05f, false, kLevel5 + kReject},
      {"p_at_least equals alpha", 0.05f, 0.01f, 0.05f, false, kLevel5 + kReject},
      {"p_above equals alpha", 0.06f, 0.05f, 0.05f, false, kLevel5 + kAccept},
      {"p_above above alpha", 0.5f, 0.4f, 0.05f, false, kLevel5 + kAccept},
      {"both above, equal", 0.2f, 0.2f, 0.05f, false, kLevel5 + kAccept},
      {"NaN p_at_least", nan, 0.01f, 0.05f, false, kLevel5 + kAccept},
      {"NaN p_above", 0.06f, nan, 0.05f, false, kLevel5 + kAccept},
  };
  for (const Case& tc : cases) {
    Outcome o = run(tc.p_at_least, tc.p_above, tc.alpha, common::UniformGenerator());
    EXPECT_EQ(o.out, tc.lines) << tc.name;
    EXPECT_EQ(o.state_after, 0u) << tc.name << ": nothing may be drawn";
  }
}

TEST(Decision, RandomizedBetweenThePValues) {
  // p_above = 0.04 < alpha = 0.05 < p_at_least = 0.06: h is about one half.
  // The first draw of a fresh generator is 0.488144845 (<= h: reject); after
  // one draw the next is 0.521293581 (> h: accept).
  const double h = (static_cast<double>(0.05f) - static_cast<double>(0.04f)) /
                   (static_cast<double>(0.06f) - static_cast<double>(0.04f));
  ASSERT_GT(h, 0.4881449);
  ASSERT_LT(h, 0.5212935);
  Outcome first = run(0.06f, 0.04f, 0.05f, common::UniformGenerator());
  EXPECT_EQ(first.out, kRandom + kLevel5 + kReject);
  EXPECT_TRUE(first.rejected);
  EXPECT_EQ(first.state_after, 1048283073u);

  common::UniformGenerator g;
  g.next();
  Outcome second = run(0.06f, 0.04f, 0.05f, g);
  EXPECT_EQ(second.out, kRandom + kLevel5 + kAccept);
  EXPECT_FALSE(second.rejected);
}

TEST(Decision, NaNLevelAcceptsWithoutDraw) {
  Outcome o = run(0.06f, 0.04f, std::nanf(""), common::UniformGenerator());
  EXPECT_EQ(o.state_after, 0u);
  EXPECT_FALSE(o.rejected);
}

TEST(Decision, LevelLineBytes) {
  const std::string out = testsupport::printed([](con::Console& c) {
    common::write_level_line(c, 0.05f);
    common::write_level_line(c, 123456.0f);  // too wide for F10.5
  });
  const std::string dash = "\x81\x7C";
  EXPECT_EQ(out, "  \x97\x4C\x88\xD3\x90\x85\x8F\x80    5.00000 \x83\x70" + dash +
                     "\x83\x5A\x83\x93\x83\x67\x82\xC5, \r\n" +
                     "  \x97\x4C\x88\xD3\x90\x85\x8F\x80 " + "********** \x83\x70" + dash +
                     "\x83\x5A\x83\x93\x83\x67\x82\xC5, \r\n");
}

TEST(Decision, PValueLine) {
  const float nan = std::nanf("");
  struct Case {
    const char* name;
    float p_at_least, p_above;
    bool blank;
    std::string line;
  };
  const std::string head = con::to_cp932(" P 値は ");
  const std::string tail = con::to_cp932(" です.");
  const std::string from = con::to_cp932(" から");
  const Case cases[] = {
      {"equal", 0.03f, 0.03f, true, head + " 0.03000" + tail + "\r\n\r\n"},
      {"range, p_above first", 0.06f, 0.04f, true,
       head + " 0.04000" + from + " 0.06000" + tail + "\r\n\r\n"},
      {"no blank line", 0.9999f, 0.9999f, false, head + " 0.99990" + tail + "\r\n"},
      {"NaN takes the range form", nan, nan, false,
       head + "NaN     " + from + "NaN     " + tail + "\r\n"},
  };
  for (const Case& tc : cases) {
    EXPECT_EQ(testsupport::printed([&](con::Console& c) {
                common::write_p_value_line(c, tc.p_at_least, tc.p_above, " P 値は ", tc.blank);
              }),
              tc.line)
        << tc.name;
  }
}

}  // namespace
