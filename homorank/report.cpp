// The report: the mid-ranks under the heading 順位 (five a line in F9.2), each
// group's mean rank and TR (free-form), then the title, TR (F10.3), H (F10.5),
// the P value or the range between the two, the decision at the level
// (randomized when the level falls between the two P values), and the point
// estimates: the effects, the locations about the centre for a symmetric
// distribution and about the grand mean otherwise.
#include <string>

#include "common/decision.h"
#include "common/echo.h"
#include "console/cp932.h"
#include "console/format.h"
#include "homorank/state.h"

namespace homorank {

namespace {

// The heading 順位 after an empty statement, then the ranks.
void write_ranks(con::Console& c, const float* ranks, int32_t n) {
  c.write({});
  c.write({con::to_cp932("順位")});
  write_rank_rows(c, ranks, n);
}

// A line per group with its mean rank, then the line of TR.
void write_mean_ranks(con::Console& c, const State& state) {
  const std::string head = con::to_cp932("第");
  const std::string tail = con::to_cp932("群の順位の標本平均は　");
  for (int i = 0; i < state.data.held_group_count(); ++i) {
    c.write({head, int32_t{i + 1}, tail, state.test.mean_ranks[i]});
  }
  c.write({con::to_cp932("TRの値は　"), state.test.statistic});
}

// One line of a group: (A5,I2,A<width>,2X,F<value_width>.3) with "第", the
// group number, the text and the value.
void write_group_line(con::Console& c, int group, const std::string& text, int width, float value,
                      int value_width) {
  c.put_line(con::Record()
                 .a(con::to_cp932("第"), 5)
                 .i(group, 2)
                 .a(text, width)
                 .x(2)
                 .f(static_cast<double>(value), value_width, 3));
}

// The overall location line: (A19,2X,F12.3) with " 全平均は,".
void write_overall_line(con::Console& c, float value) {
  c.put_line(
      con::Record().a(con::to_cp932(" 全平均は,"), 19).x(2).f(static_cast<double>(value), 12, 3));
}

}  // namespace

void write_rank_rows(con::Console& c, const float* ranks, int32_t n) {
  common::echo_rows(c, ranks, n, 5, 2, 9, 2);
}

void write_report(con::Console& c, const State& state) {
  const HomogeneityTest& test = state.test;
  const LocationEstimates& estimates = state.estimates;
  const int k = state.data.held_group_count();

  write_ranks(c, state.ranks, state.data.total_size);
  write_mean_ranks(c, state);

  c.write({});
  c.write({});
  c.write({" ----------------------------------------- "});
  c.write({con::to_cp932(" 一様性のノンパラメトリック検定と順位推定 ")});
  c.write({});
  c.put_line(con::Record()
                 .text(con::to_cp932(" 　検定統計量の値は "))
                 .f(static_cast<double>(test.statistic), 10, 3)
                 .text(con::to_cp932(" です")));
  c.put_line(con::Record()
                 .text(con::to_cp932(" 　正規化検定統計量は"))
                 .f(static_cast<double>(test.normalized), 10, 5)
                 .text(con::to_cp932(" です")));
  c.put_line("");
  common::write_p_value_line(c, test.p.at_least, test.p.above, " 　ｐ値は ", false);
  c.write({});
  common::write_decision(c, state.decision, state.data.alpha, common::kRejectHomogeneity,
                         common::kAcceptHomogeneity);
  c.write({});
  c.write({con::to_cp932("*********点推定*********")});

  const std::string effect_text = con::to_cp932(" 群の主効果は,");
  const std::string mean_text = con::to_cp932(" 群の平均は,");
  for (int i = 0; i < k; ++i) write_group_line(c, i + 1, effect_text, 14, estimates.effects[i], 10);

  c.write({con::to_cp932("(1) 分布に対称性を仮定できるとき")});
  write_overall_line(c, estimates.centre);
  for (int i = 0; i < k; ++i) write_group_line(c, i + 1, mean_text, 12, estimates.locations[i], 12);

  c.write({con::to_cp932("(2) 分布に対称性を仮定できないとき")});
  write_overall_line(c, estimates.grand_mean);
  for (int i = 0; i < k; ++i) {
    write_group_line(c, i + 1, mean_text, 12, estimates.mean_locations[i], 12);
  }
}

}  // namespace homorank
