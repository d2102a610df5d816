// The report: the effect lines, the title, the test against a trend and the
// test of departure from it (statistic, normalized statistic, P value or the
// range between its two versions, decision), then the location estimates
// around the rank centre (symmetric distributions) and around the grand mean
// (no symmetry). Everything printed was computed by the stages before.
#include <string>

#include "common/decision.h"
#include "common/estimate_lines.h"
#include "console/cp932.h"
#include "console/format.h"
#include "trendrank/state.h"

namespace trendrank {

namespace {

void text_line(con::Console& c, const char* utf8) { c.write({con::to_cp932(utf8)}); }

// (/," 検定統計量の値は ",F10.5," です ",/) and (" 正規化検定統計量は",F10.5," です",/).
void statistic_lines(con::Console& c, float statistic, float normalized) {
  c.put_line("");
  c.put_line(con::Record()
                 .text(con::to_cp932(" 検定統計量の値は "))
                 .f(static_cast<double>(statistic), 10, 5)
                 .text(con::to_cp932(" です ")));
  c.put_line("");
  c.put_line(con::Record()
                 .text(con::to_cp932(" 正規化検定統計量は"))
                 .f(static_cast<double>(normalized), 10, 5)
                 .text(con::to_cp932(" です")));
  c.put_line("");
}

// The statistic lines, the P-value line and the decision of one test.
void test_lines(con::Console& c, const RankTest& test, float alpha, const char* reject,
                const char* accept) {
  statistic_lines(c, test.statistic, test.normalized);
  common::write_p_value_line(c, test.p_at_least, test.p_above, " P 値は ", true);
  common::write_decision(c, test.decision, alpha, reject, accept);
}

// The effect of every group, the overall value and the location of every group.
void estimate_block(con::Console& c, const State& state, float overall, const float* locations) {
  const int32_t k = state.data.held_group_count();
  const std::string effect_label = con::to_cp932(" 標本の主効果は,");
  const std::string overall_label = con::to_cp932(" 全平均は,");
  const std::string location_label = con::to_cp932(" 標本の平均は,");
  for (int32_t i = 0; i < k; ++i) {
    common::group_estimate_line(c, i + 1, effect_label, state.smoothed_effects[i]);
  }
  common::overall_estimate_line(c, overall_label, overall);
  for (int32_t i = 0; i < k; ++i)
    common::group_estimate_line(c, i + 1, location_label, locations[i]);
}

}  // namespace

void write_effect_trace(con::Console& c, const State& state) {
  for (int32_t i = 0; i < state.data.held_group_count(); ++i) {
    c.write({state.group_weights[i], state.raw_effects[i], state.smoothed_effects[i]});
  }
}

void write_report(con::Console& c, const State& state) {
  const float alpha = state.data.alpha;

  write_effect_trace(c, state);
  c.write({});
  text_line(c, " ********************************** ");
  text_line(c, " 平均パラメ－タに傾向性がある場合の ");
  text_line(c, "  順位に基づくノンパラメトリック法  ");
  text_line(c, " ********************************** ");

  text_line(c, " 帰無仮説が一様性で対立仮説が傾向性の ");
  test_lines(c, state.trend, alpha, common::kRejectHomogeneity, common::kAcceptHomogeneity);

  c.write({});
  text_line(c, " 帰無仮説が一様性で対立仮説が『傾向性がない』の ");
  test_lines(c, state.departure, alpha, " 帰無仮説は棄却され『傾向性がない』が受容された. ",
             " 帰無仮説は棄却されなかった. ");

  c.write({});
  text_line(c, " 分布が対称のとき ");
  c.write({});
  estimate_block(c, state, state.centre, state.symmetric_locations);

  c.write({});
  text_line(c, " 分布の対称性が仮定できないとき ");
  c.write({});
  estimate_block(c, state, state.grand_mean, state.general_locations);
}

}  // namespace trendrank
