// The group-data dialogue of the interactive programs: the count prompt with
// the limit 10 inside it, one read of all sizes, a two-line prompt and one read
// per group, the level prompt, and the echo of each group under a heading.
// Each program gives its own texts (UTF-8; written as code page 932).
//
// Values the storage cannot hold, or no method can use, are refused right after
// the read that brought them: fewer than 1 or more than 10 groups, a size above
// the program's limit, a total outside 32 bits, a level outside [0, 1].
#ifndef COMMON_DIALOGUE_H
#define COMMON_DIALOGUE_H

#include <cstdint>

#include "common/group_data.h"
#include "console/console.h"

namespace common {

// Prints one group's observations a[0..n-1] (n may be zero or negative).
using EchoPrinter = void (*)(con::Console&, const float* a, int32_t n);

struct DialogueTexts {
  const char* count_head;    // before the limit 10: "標本の個数("
  const char* count_tail;    // after it: "以下)を入力して下さい"
  const char* sizes;         // after the count: " 個の標本サイズを入力して下さい"
  const char* group_head;    // "第"
  const char* group_obs;     // after the group number: " 標本の観測値を" (then the size)
  const char* group_more;    // second line: "個入力してください."
  const char* level;         // level prompt, or nullptr when none is asked
  const char* echo_heading;  // after the group number: " 標本目の観測値は "
};

// Runs the dialogue and the echo; fills every field of `data`.
// max_size is the program's largest group.
void group_dialogue(con::Console& c, const DialogueTexts& texts, int max_size, EchoPrinter echo,
                    GroupData& data);

// Silent reader of the filters: the number of groups, the sizes, then each
// group's observations, nothing printed. Same refusals as the dialogue.
void read_groups_silently(con::Console& c, int max_size, GroupData& data);

// The one rule for small groups, the same message in every program: refuses
// the first group with fewer than `least` observations (a size as typed, so
// also 0 and negative sizes). With zero_skips a size of 0 is let through: the
// group adds nothing and is passed over.
void refuse_small_groups(con::Console& c, const GroupData& data, int least,
                         bool zero_skips = false);

}  // namespace common

#endif  // COMMON_DIALOGUE_H
