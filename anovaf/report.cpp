// The report stage: fixed-field lines of the variations, F and P, the verdict
// at the level, then the estimate lines shared with the trend program. Every
// value printed comes from the run state; nothing is computed here.
#include <string>

#include "anovaf/state.h"
#include "common/estimate_lines.h"
#include "console/cp932.h"
#include "console/format.h"

namespace anovaf {

void write_report(con::Console& c, const State& state) {
  const std::string stars = con::to_cp932(" ************************************ ");
  c.write({});
  c.write({stars});
  c.write({con::to_cp932(" 観測値が正規分布に従う場合の最良手法 ")});
  c.write({stars});

  c.put_line("");
  c.put_line(con::Record()
                 .text(con::to_cp932(" 級内変動 "))
                 .f(static_cast<double>(state.within_sum_of_squares), 15, 5)
                 .text(con::to_cp932(" 総変動 "))
                 .f(static_cast<double>(state.total_sum_of_squares), 15, 5));

  c.put_line("");
  c.put_line(con::Record()
                 .text(con::to_cp932(" 級間変動 "))
                 .f(static_cast<double>(state.between_sum_of_squares), 15, 5));

  c.put_line("");
  c.put_line(con::Record()
                 .text(con::to_cp932(" F検定統計量の値は "))
                 .f(static_cast<double>(state.f_statistic), 10, 5)
                 .text(con::to_cp932(" です ")));
  c.put_line("");

  c.put_line(con::Record()
                 .text(con::to_cp932(" F検定の  P 値は "))
                 .f(static_cast<double>(state.p_value), 10, 5)
                 .text(con::to_cp932(" です")));
  c.put_line("");

  c.put_line(con::Record()
                 .text(con::to_cp932(" 有意水準"))
                 .f(static_cast<double>(state.data.alpha), 10, 5)
                 .text(con::to_cp932(" 検定の一様性の帰無仮説は ")));
  // Written as a plain comparison: an unordered one (NaN) is not a rejection.
  if (state.p_value <= state.data.alpha) {
    c.write({con::to_cp932(" 棄却された. ")});
  } else {
    c.write({con::to_cp932(" 棄却されなかった. ")});
  }

  const std::string effect_label = con::to_cp932(" 標本の主効果は,");
  for (int j = 0; j < state.data.held_group_count(); ++j) {
    common::group_estimate_line(c, j + 1, effect_label, state.group_effects[j]);
  }

  common::overall_estimate_line(c, con::to_cp932(" 全平均は,"), state.grand_mean);
  common::overall_estimate_line(c, con::to_cp932(" 共通分散は,"), state.common_variance);

  const std::string mean_label = con::to_cp932(" 標本の平均は,");
  for (int j = 0; j < state.data.held_group_count(); ++j) {
    common::group_estimate_line(c, j + 1, mean_label, state.group_means[j]);
  }
}

}  // namespace anovaf
