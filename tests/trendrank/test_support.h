// Helpers for the trendrank tests: a fresh state holding given groups, and a
// whole run on a text input returning standard output and the exit status.
#ifndef TESTS_TRENDRANK_TEST_SUPPORT_H
#define TESTS_TRENDRANK_TEST_SUPPORT_H

#include <initializer_list>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "state.h"
#include "trendrank.h"

namespace trendrank_test {

inline std::unique_ptr<trendrank::State> state_with(
    std::initializer_list<std::vector<float>> groups) {
  auto st = std::make_unique<trendrank::State>();
  int i = 0;
  for (const std::vector<float>& g : groups) {
    st->grp.nsize[i] = static_cast<int32_t>(g.size());
    for (size_t j = 0; j < g.size(); ++j) st->grp.xobs[i][j] = g[j];
    st->grp.ntotal += st->grp.nsize[i];
    ++i;
  }
  st->grp.ngroup = i;
  return st;
}

struct RunResult {
  std::string out;
  std::string err;
  int status;
};

inline RunResult run_text(const std::string& input) {
  std::istringstream in(input);
  std::ostringstream out;
  std::ostringstream err;
  con::Io io{in, out, err};
  RunResult r;
  r.status = trendrank::run(io);
  r.out = out.str();
  r.err = err.str();
  return r;
}

}  // namespace trendrank_test

#endif  // TESTS_TRENDRANK_TEST_SUPPORT_H
