// input_: anovaf's group-data dialogue with its own texts (its level prompt
// writes "有為水準" where the report writes "有意水準"; both stay as they are)
// and the echo of every group five values a line. K below 1 or above 10, a
// size above 100 and a level outside [0, 1] are refused by the dialogue right
// after the read that brought them; a size below 1 after the echo.
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
  common::group_dialogue(c, kTexts, kMaxSize, common::echo_five_per_line, st.grp);
  // A group of no observation has no mean, and a negative size would make the
  // sums of squares and the common variance negative.
  common::refuse_small_groups(c, st.grp, 1);
}

}  // namespace anovaf
