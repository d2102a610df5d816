// The box-plot filter: reads K, the sizes and each group's observations with
// no prompt, refuses a group of no observations before anything is written,
// then per group sorts a copy, takes its quartiles and extremes and writes the
// box, the median bar, both whiskers and both caps: 15 rows in (3(2X,F10.3))
// holding x and y, and 6 blank lines.
#include "boxplot.h"

#include <memory>

#include "common/dialogue.h"
#include "common/group_data.h"
#include "console/format.h"
#include "hakozu.h"

namespace boxplot {

namespace {

constexpr int kMaxSize = 100;  // largest group the filter holds

// The run's storage: the data set as read, and the current group.
struct State {
  common::GroupData grp;   // inp3_ (K), inp1_ (sizes), inp2_ (observations)
  int32_t n = 0;           // size of the current group
  float x[kMaxSize] = {};  // the current group, sorted in place
  float xmin = 0.0f;
  float xmax = 0.0f;
  float q1 = 0.0f;
  float q2 = 0.0f;
  float q3 = 0.0f;
};

// One coordinate row: two blanks, x in F10.3, two blanks, y in F10.3.
void row(con::Console& c, float x, float y) {
  c.put_line(
      con::Record().x(2).f(static_cast<double>(x), 10, 3).x(2).f(static_cast<double>(y), 10, 3));
}

void blank(con::Console& c) { c.write({}); }

// The 21 statements of group i (1-based) from the results in the state.
void draw(con::Console& c, const State& st, int32_t i) {
  const BoxPositions p = positions_(i);
  row(c, p.a, st.q3);  // box, clockwise from the upper left corner
  row(c, p.b, st.q3);
  row(c, p.b, st.q1);
  row(c, p.a, st.q1);
  row(c, p.a, st.q3);
  blank(c);
  row(c, p.a, st.q2);  // median bar
  row(c, p.b, st.q2);
  blank(c);
  row(c, p.g, st.xmax);  // upper whisker
  row(c, p.g, st.q3);
  blank(c);
  row(c, p.c, st.xmax);  // upper cap
  row(c, p.d, st.xmax);
  blank(c);
  row(c, p.g, st.q1);  // lower whisker
  row(c, p.g, st.xmin);
  blank(c);
  row(c, p.c, st.xmin);  // lower cap
  row(c, p.d, st.xmin);
  blank(c);
}

}  // namespace

int run(const con::Io& io) {
  return con::run_program(io, [](con::Console& c) {
    auto st = std::make_unique<State>();
    common::read_groups_silently(c, kMaxSize, st->grp);
    const int k = st->grp.groups();
    common::refuse_small_groups(c, st->grp, 1);
    for (int i = 0; i < k; ++i) {
      st->n = st->grp.nsize[i];
      for (int j = 0; j < st->n; ++j) st->x[j] = st->grp.xobs[i][j];
      hakozu_(st->x, st->n, st->xmin, st->xmax, st->q1, st->q2, st->q3);
      draw(c, *st, i + 1);
    }
  });
}

}  // namespace boxplot
