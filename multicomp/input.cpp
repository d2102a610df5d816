// Input stage of the comparison program: the shared group dialogue with its
// own texts (groups counted with the counter つ) and its ten-to-a-line echo,
// then the title and the lines stating the level and the confidence
// coefficient, and last the refusal of an empty group, which has no ranks
// and no differences to compare.
#include <string>

#include "common/dialogue.h"
#include "common/echo.h"
#include "console/cp932.h"
#include "console/format.h"
#include "multicomp/state.h"

namespace multicomp {

namespace {

const common::DialogueTexts kDialogueTexts = {
    "群の個数(",                      // count_head
    "以下)を入力して下さい",          // count_tail
    " つの群サイズを入力して下さい",  // sizes
    "第",                             // group_head
    " 群の観測値を",                  // group_obs
    "個入力してください.",            // group_more
    "有意水準を入力して下さい. ",     // level
    " 群の観測値は ",                 // echo_heading
};

}  // namespace

void echo_ten_per_line(con::Console& c, const float* a, int32_t n) {
  common::echo_rows(c, a, n, 10, 1, 6, 2);
}

void read_input(con::Console& c, State& state) {
  common::group_dialogue(c, kDialogueTexts, kLargestGroup, echo_ten_per_line, state.data);

  const float alpha = state.data.alpha;
  const float confidence = static_cast<float>(1.0 - static_cast<double>(alpha));
  c.write({});
  c.write({});
  c.write({std::string(56, '-')});
  c.write({con::to_cp932("多群モデルにおけるノンパラメトリック多重比較法")});
  c.put_line(con::Record()
                 .x(10)
                 .text(con::to_cp932(" 水準"))
                 .x(1)
                 .f(static_cast<double>(alpha), 7, 4)
                 .x(1)
                 .text(con::to_cp932("の同時検定と ")));
  c.put_line(con::Record()
                 .x(3)
                 .text(con::to_cp932(" 信頼係数"))
                 .x(1)
                 .f(static_cast<double>(confidence), 7, 4)
                 .x(1)
                 .text(con::to_cp932("の同時信頼区間を求める.")));
  c.write({});

  // A single group is kept: there is no pair to compare.
  if (state.data.group_count >= 2) common::refuse_small_groups(c, state.data, 1);
}

}  // namespace multicomp
