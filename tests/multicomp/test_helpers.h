// Helpers of the multicomp tests: a whole run on a text input.
#ifndef TESTS_MULTICOMP_TEST_HELPERS_H
#define TESTS_MULTICOMP_TEST_HELPERS_H

#include <string>

#include "multicomp/multicomp.h"
#include "support/capture.h"

namespace multicomp_test {

using Result = testsupport::Captured;

// A whole run on `input`: standard output, standard error and the exit status.
inline Result run(const std::string& input) {
  return testsupport::capture_run(multicomp::run, input);
}

}  // namespace multicomp_test

#endif  // TESTS_MULTICOMP_TEST_HELPERS_H
