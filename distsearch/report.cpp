// The report: an empty line, the residual heading and the residuals in pooling
// order, five a record (5(2X,F11.5)); two empty lines, the rule, the title and
// an empty line; one line per law, (2X,A30,F10.5) with the distance label and
// the distance; then an empty line, the heading and the name of the closest law
// after nine ideographic spaces.
#include "common/echo.h"
#include "console/cp932.h"
#include "console/format.h"
#include "distsearch/state.h"

namespace distsearch {

namespace {

struct LawTexts {
  const char* distance_label;  // "...との距離は", at most 30 bytes
  const char* name;            // the name, blank-padded to 30 bytes
};

const LawTexts kLawTexts[kLawCount] = {
    {"正規分布との距離は", "正規分布                      "},
    {"混合正規分布との距離は", "混合正規分布                  "},
    {"ロジスティック分布との距離は", "ロジスティック分布            "},
    {"両側指数分布との距離は", "両側指数分布                  "},
    {"大きな異常値混合分布との距離は", "大きな異常値をもつ混合分布    "},
    {"小さな異常値混合分布との距離は", "小さな異常値をもつ混合分布    "},
    {"指数分布との距離は", "指数分布                      "},
};

}  // namespace

void write_report(con::Console& c, const State& state) {
  c.write({});
  c.write({con::to_cp932(" 調整観測値は ")});
  common::echo_five_per_line(c, state.residuals.in_pooling_order, state.residuals.count);
  c.write({});
  c.write({});
  c.write({"-------------------------------------------"});
  c.write({con::to_cp932("分布探索")});
  c.write({});

  for (int law = 0; law < kLawCount; ++law) {
    c.put_line(con::Record()
                   .x(2)
                   .a(con::to_cp932(kLawTexts[law].distance_label), 30)
                   .f(static_cast<double>(state.distance[law]), 10, 5));
  }
  c.write({});
  c.write({con::to_cp932("　データが最も近い分布は")});
  c.write({con::to_cp932("　　　　　　　　　"), con::to_cp932(kLawTexts[state.closest].name)});
}

}  // namespace distsearch
