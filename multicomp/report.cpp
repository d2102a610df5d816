// The comparison report: the percent-point line, then for every pair of
// groups in turn its comparison computed and its block written.
#include <cstdint>
#include <string>

#include "console/cp932.h"
#include "console/format.h"
#include "multicomp/state.h"

namespace multicomp {

void write_pair_comparison(con::Console& c, int32_t pair_number, int32_t first, int32_t second,
                           float alpha, const PairComparison& result) {
  const float confidence = static_cast<float>(1.0 - static_cast<double>(alpha));
  c.write({});
  c.write({con::to_cp932("( "), pair_number, con::to_cp932(")"), con::to_cp932(" 第 "), first,
           con::to_cp932("群と第 "), second, con::to_cp932("群との比較")});
  c.put_line(con::Record()
                 .x(5)
                 .text("i.")
                 .text(con::to_cp932(" 水準 "))
                 .f(static_cast<double>(alpha), 12, 4)
                 .text(con::to_cp932(" の同時検定で")));
  c.put_line(con::Record().x(7).text("TR(").i(first, 2).text(",").i(second, 2).text(" )=").f(
      static_cast<double>(static_cast<float>(result.statistic)), 12, 3));
  c.put_line(con::Record()
                 .x(7)
                 .text(con::to_cp932("(有意点)="))
                 .f(static_cast<double>(result.critical_value), 15, 3));
  if (result.rejected) {
    c.put_line(con::Record().x(7).text("|TR(").i(first, 2).text(",").i(second, 2).text(
        con::to_cp932(")|>(有意点) により, ")));
    c.put_line(con::Record()
                   .x(7)
                   .text(con::to_cp932("帰無仮説 H("))
                   .i(first, 2)
                   .text(",")
                   .i(second, 2)
                   .text(con::to_cp932(") は棄却された.")));
  } else {
    c.write({con::to_cp932("　帰無仮説は棄却されない.")});
  }
  c.put_line(con::Record()
                 .x(5)
                 .text("ii.")
                 .text(con::to_cp932(" 信頼係数 "))
                 .f(static_cast<double>(confidence), 12, 4)
                 .text(con::to_cp932(" の")));
  c.put_line(con::Record()
                 .x(7)
                 .text(con::to_cp932("同時信頼区間は"))
                 .x(2)
                 .text("[")
                 .f(static_cast<double>(result.lower_limit), 12, 4)
                 .text(" , ")
                 .f(static_cast<double>(result.upper_limit), 12, 4)
                 .text(")"));
}

void write_report(con::Console& c, const State& state) {
  const float alpha = state.data.alpha;
  const float percent = static_cast<float>(static_cast<double>(alpha) * 100.0);
  c.put_line(con::Record()
                 .x(3)
                 .text(con::to_cp932(" 漸近分布の上側"))
                 .x(1)
                 .f(static_cast<double>(percent), 5, 1)
                 .x(1)
                 .text(con::to_cp932("パーセント点；"))
                 .f(state.percent_point, 7, 3));

  const int32_t k = state.data.group_count;
  int32_t pair_number = 0;
  for (int32_t i = 1; i < k; ++i) {
    for (int32_t j = i + 1; j <= k; ++j) {
      pair_number = pair_number + 1;
      const PairComparison result = compare_pair(state.data, i, j, state.percent_point);
      write_pair_comparison(c, pair_number, i, j, alpha, result);
    }
  }
}

}  // namespace multicomp
