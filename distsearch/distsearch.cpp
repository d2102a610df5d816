// The distsearch run: dialogue and residuals, the search, the report, in this
// order, once; all state in one State made fresh for the run.
#include "distsearch.h"

#include <memory>

#include "search.h"
#include "state.h"

namespace distsearch {

int run(const con::Io& io) {
  return con::run_program(io, [](con::Console& c) {
    auto st = std::make_unique<State>();
    input_(c, *st);
    dista_(c, *st);
    kekka_(c, *st);
  });
}

}  // namespace distsearch
