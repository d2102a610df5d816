// The box-plot filter, stage by stage: the silent input with its refusals,
// then the report, which for each group in turn sorts a copy, computes its box
// statistics and the x positions of its drawing, and writes its segment table.
#include "boxplot/boxplot.h"

#include <memory>

#include "boxplot/state.h"

namespace boxplot {

int run(const con::Io& io) {
  return con::run_program(io, [](con::Console& c) {
    auto state = std::make_unique<State>();
    read_input(c, *state);
    write_report(c, *state);
  });
}

}  // namespace boxplot
