// The group-data dialogue, the filters' silent reader and the refusal of
// groups too small for a program's method.
#include "common/dialogue.h"

#include <charconv>
#include <string>

#include "console/cp932.h"

namespace common {
namespace {

// Refuses a count of groups the storage cannot hold, or no group at all.
void check_groups(con::Console& c, int32_t k) {
  if (k < 1) {
    c.refuse("the number of groups " + std::to_string(k) + " is below 1; at least one group " +
             "is needed");
  }
  if (k > kMaxGroups) {
    c.refuse("the number of groups " + std::to_string(k) + " is above the limit of " +
             std::to_string(kMaxGroups));
  }
}

// Refuses a group size above the program's limit.
void check_sizes(con::Console& c, const GroupData& d, int max_size) {
  for (int i = 0; i < d.held_group_count(); ++i) {
    if (d.sizes[i] > max_size) {
      c.refuse("the size " + std::to_string(d.sizes[i]) + " of group " + std::to_string(i + 1) +
               " is above the limit of " + std::to_string(max_size) + " observations");
    }
  }
}

// Adds a size, as typed, to the total; a total outside 32 bits is refused.
void add_to_total(con::Console& c, GroupData& d, int i) {
  int64_t t = static_cast<int64_t>(d.total_size) + d.sizes[i];
  if (t < INT32_MIN || t > INT32_MAX) {
    c.refuse("the total of the group sizes " + std::to_string(t) +
             " is outside the range of a 32-bit integer");
  }
  d.total_size = static_cast<int32_t>(t);
}

// Refuses a level that is not a probability (NaN included); 0 and 1 stand.
void check_level(con::Console& c, float level) {
  if (!(level >= 0.0f && level <= 1.0f)) {
    char text[32];
    const auto r = std::to_chars(text, text + sizeof text, level);
    c.refuse("the level " + std::string(text, r.ptr) + " is not a probability between 0 and 1");
  }
}

}  // namespace

void group_dialogue(con::Console& c, const DialogueTexts& t, int max_size, EchoPrinter echo,
                    GroupData& d) {
  const std::string group_head = con::to_cp932(t.group_head);
  const std::string group_obs = con::to_cp932(t.group_obs);
  const std::string group_more = con::to_cp932(t.group_more);

  c.write({con::to_cp932(t.count_head), int32_t{10}, con::to_cp932(t.count_tail)});
  c.read_int(d.group_count);
  check_groups(c, d.group_count);
  c.write({d.group_count, con::to_cp932(t.sizes)});
  c.read_ints(d.sizes, d.held_group_count());
  check_sizes(c, d, max_size);

  d.total_size = 0;
  for (int i = 0; i < d.held_group_count(); ++i) {
    c.write({group_head, int32_t{i + 1}, group_obs, d.sizes[i]});
    c.write({group_more});
    c.read_reals(d.observations[i], d.held_size(i));
    add_to_total(c, d, i);
  }
  if (t.level != nullptr) {
    c.write({con::to_cp932(t.level)});
    c.read_real(d.alpha);
    check_level(c, d.alpha);
  }
  const std::string heading = con::to_cp932(t.echo_heading);
  for (int i = 0; i < d.held_group_count(); ++i) {
    c.write({group_head, int32_t{i + 1}, heading});
    echo(c, d.observations[i], d.sizes[i]);
  }
}

void read_groups_silently(con::Console& c, int max_size, GroupData& d) {
  c.read_int(d.group_count);
  check_groups(c, d.group_count);
  c.read_ints(d.sizes, d.held_group_count());
  check_sizes(c, d, max_size);
  d.total_size = 0;
  for (int i = 0; i < d.held_group_count(); ++i) {
    c.read_reals(d.observations[i], d.held_size(i));
    add_to_total(c, d, i);
  }
}

void refuse_small_groups(con::Console& c, const GroupData& d, int least, bool zero_skips) {
  for (int i = 0; i < d.held_group_count(); ++i) {
    const int32_t n = d.sizes[i];
    if (n >= least || (zero_skips && n == 0)) continue;
    c.refuse("group " + std::to_string(i + 1) + " has size " + std::to_string(n) +
             "; every group needs at least " + std::to_string(least) +
             (least == 1 ? " observation" : " observations") +
             (zero_skips ? " (or 0 to skip it)" : ""));
  }
}

}  // namespace common
