// Helpers of the trendrank tests: a fresh state holding given groups.
#ifndef TESTS_TRENDRANK_TEST_HELPERS_H
#define TESTS_TRENDRANK_TEST_HELPERS_H

#include <memory>
#include <vector>

#include "support/groups.h"
#include "trendrank/state.h"

namespace trendrank_test {

inline std::unique_ptr<trendrank::State> state_with(const std::vector<std::vector<float>>& groups) {
  auto state = std::make_unique<trendrank::State>();
  testsupport::fill_groups(state->data, groups);
  return state;
}

}  // namespace trendrank_test

#endif  // TESTS_TRENDRANK_TEST_HELPERS_H
