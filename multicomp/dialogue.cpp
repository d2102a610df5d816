// Dialogue of the comparison program (groups counted with the counter tsu),
// its echo, the title and the two lines stating the level and the confidence
// coefficient; and the two ten-to-a-line array printers.
#include "multicomp/dialogue.h"

#include <string>

#include "common/dialogue.h"
#include "common/echo.h"
#include "console/cp932.h"
#include "console/format.h"

namespace multicomp {

void dout_(con::Console& c, const float* a, int32_t n) { common::echo_rows(c, a, n, 10, 1, 6, 2); }

void dout2_(con::Console& c, const int32_t* ia, int32_t n) {
  const int32_t full = n / 10;
  const int32_t rest = n - 10 * full;
  int32_t k = 0;
  for (int32_t r = 0; r < full; ++r) {
    con::Record rec;
    for (int v = 0; v < 10; ++v) rec.x(1).text("&").x(1).i(ia[k++], 3);
    c.put_line(rec);
  }
  if (rest != 0) {
    con::Record rec;  // a negative rest writes an empty record
    for (int32_t v = 0; v < rest; ++v) rec.x(1).text("&").x(1).i(ia[k++], 3);
    c.put_line(rec);
  }
}

void input_(con::Console& c, State& st) {
  static const common::DialogueTexts kTexts = {
      "群の個数(",     "以下)を入力して下さい", " つの群サイズを入力して下さい", "第",
      " 群の観測値を", "個入力してください.",   "有意水準を入力して下さい. ",    " 群の観測値は ",
  };
  common::group_dialogue(c, kTexts, kMaxSize, dout_, st.grp);

  const float alpha = st.grp.alpha;
  const float confidence = static_cast<float>(1.0 - static_cast<double>(alpha));
  c.write({});
  c.write({});
  c.write({std::string(56, '-')});
  c.write({con::sjis("多群モデルにおけるノンパラメトリック多重比較法")});
  c.put_line(con::Record()
                 .x(10)
                 .text(con::sjis(" 水準"))
                 .x(1)
                 .f(static_cast<double>(alpha), 7, 4)
                 .x(1)
                 .text(con::sjis("の同時検定と ")));
  c.put_line(con::Record()
                 .x(3)
                 .text(con::sjis(" 信頼係数"))
                 .x(1)
                 .f(static_cast<double>(confidence), 7, 4)
                 .x(1)
                 .text(con::sjis("の同時信頼区間を求める.")));
  c.write({});
}

}  // namespace multicomp
