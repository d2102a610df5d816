// The input stage: the shared group-data dialogue with this program's texts
// (its level prompt writes "有為水準" where the report writes "有意水準"; both
// stay as they are), the echo of every group five values a line, and the
// shared refusal of groups without observations.
#include "anovaf/state.h"
#include "common/dialogue.h"
#include "common/echo.h"

namespace anovaf {

void read_input(con::Console& c, State& state) {
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
  common::group_dialogue(c, kTexts, kLargestGroup, common::echo_five_per_line, state.data);
  // A group of no observation has no mean, and a negative size would make the
  // sums of squares and the common variance negative.
  common::refuse_small_groups(c, state.data, 1);
}

}  // namespace anovaf
