// kekka_: one line per law, (2X,A30,F10.5) with the distance label and the
// distance, then an empty line, the heading and the name of the closest law
// after nine ideographic spaces. The choice compares the distances rounded to
// five decimals as whole numbers (half away from zero), ties to the earlier
// law, so all-zero distances name the normal law.
#include <cmath>
#include <cstdint>
#include <string>

#include "console/cp932.h"
#include "console/format.h"
#include "search.h"

namespace distsearch {

namespace {

struct LawTexts {
  const char* label;  // "...との距離は", at most 30 bytes
  const char* name;   // the name, blank-padded to 30 bytes
};

const LawTexts kLawTexts[kLaws] = {
    {"正規分布との距離は", "正規分布                      "},
    {"混合正規分布との距離は", "混合正規分布                  "},
    {"ロジスティック分布との距離は", "ロジスティック分布            "},
    {"両側指数分布との距離は", "両側指数分布                  "},
    {"大きな異常値混合分布との距離は", "大きな異常値をもつ混合分布    "},
    {"小さな異常値混合分布との距離は", "小さな異常値をもつ混合分布    "},
    {"指数分布との距離は", "指数分布                      "},
};

}  // namespace

int closest_law(const float d[kLaws]) {
  int32_t m[kLaws];
  for (int k = 0; k < kLaws; ++k) {
    const float p = static_cast<float>(static_cast<double>(d[k]) * static_cast<double>(100000.0f));
    const float r = std::round(p);  // exact, half away from zero
    // A distance lies in [0, 1], so r lies in [0, 100000]; anything else
    // (never produced) counts as the largest distance.
    m[k] = (r >= 0.0f && r <= 100000.0f) ? static_cast<int32_t>(r) : 100000;
  }
  int32_t least = m[0];
  for (int k = 1; k < kLaws; ++k) {
    if (m[k] < least) least = m[k];
  }
  for (int k = 0; k < kLaws - 1; ++k) {
    if (m[k] == least) return k;
  }
  return kLaws - 1;
}

void kekka_(con::Console& c, const State& st) {
  for (int k = 0; k < kLaws; ++k) {
    c.put_line(con::Record()
                   .x(2)
                   .a(con::sjis(kLawTexts[k].label), 30)
                   .f(static_cast<double>(st.ans2_[k]), 10, 5));
  }
  const int law = closest_law(st.ans2_);
  c.write({});
  c.write({con::sjis("　データが最も近い分布は")});
  c.write({con::sjis("　　　　　　　　　"), con::sjis(kLawTexts[law].name)});
}

}  // namespace distsearch
