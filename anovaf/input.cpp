// input_: anovaf's group-data dialogue with its own texts (its level prompt
// writes "有為水準" where the report writes "有意水準"; both stay as they are)
// and the echo of every group five values a line. K above 10 or a size above
// 100 is refused by the dialogue right after the read that brought it; sizes
// of 0 and negative sizes are kept (they give NaN and -0 means).
#include "anovaf/anovaf.h"
#include "common/dialogue.h"
#include "common/echo.h"

namespace anovaf {

void input_(con::Console& c, State& st) {
  static const common::DialogueTexts kTexts = {
      "標本の個数(",
      "以下)を入力して下さい",
      " 個の標本サイズを入力して下さい",
      "第",
      " 標本の観測値を",
      "個入力してください.",
      "有為水準を入力して下さい. ",
      " 標本目の観測値は ",
  };
  common::group_dialogue(c, kTexts, kMaxSize, common::dout_, st.grp);
}

}  // namespace anovaf
