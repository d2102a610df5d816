// Helpers of the trendrank tests: a fresh state holding given groups, and a
// whole run on a text input returning standard output and the exit status.
#ifndef TESTS_TRENDRANK_TEST_HELPERS_H
#define TESTS_TRENDRANK_TEST_HELPERS_H

#include <memory>
#include <string>
#include <vector>

#include "support/capture.h"
#include "support/groups.h"
#include "trendrank/state.h"
#include "trendrank/trendrank.h"

namespace trendrank_test {

inline std::unique_ptr<trendrank::State> state_with(const std::vector<std::vector<float>>& groups) {
  auto state = std::make_unique<trendrank::State>();
  testsupport::fill_groups(state->data, groups);
  return state;
}

using RunResult = testsupport::Captured;

inline RunResult run_text(const std::string& input) {
  return testsupport::capture_run(trendrank::run, input);
}

}  // namespace trendrank_test

#endif  // TESTS_TRENDRANK_TEST_HELPERS_H
