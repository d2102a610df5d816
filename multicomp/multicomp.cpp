// One run of the comparison program: the input stage, the percent point of
// the range law, then the report. The integration library's condition
// messages, never switched on here, would go to standard output (unit 6) or
// standard error (unit 0).
#include "multicomp/multicomp.h"

#include <memory>

#include "multicomp/state.h"
#include "numlib/console_sink.h"

namespace multicomp {

int run(const con::Io& io) {
  return con::run_program(io, [&io](con::Console& c) {
    auto state = std::make_unique<State>();
    numlib::ConsoleSink sink(c, io.err);
    state->quadrature.sink = &sink;
    read_input(c, *state);
    state->percent_point =
        range_percent_point(state->quadrature, state->data.group_count, state->data.alpha);
    write_report(c, *state);
  });
}

}  // namespace multicomp
