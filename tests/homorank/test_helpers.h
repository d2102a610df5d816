// Helpers of the homorank tests: a whole run on typed input, the input text of
// a data set, and a search for a UTF-8 text in code page 932 output.
#ifndef TESTS_HOMORANK_TEST_HELPERS_H
#define TESTS_HOMORANK_TEST_HELPERS_H

#include <sstream>
#include <string>
#include <vector>

#include "console/cp932.h"
#include "homorank/homorank.h"
#include "support/capture.h"

namespace homorank_test {

// Input text for run(): the group count, the sizes, one line per group, the level.
inline std::string input_for(const std::vector<std::vector<float>>& groups, const char* alpha) {
  std::ostringstream s;
  s << groups.size() << "\n";
  for (const auto& g : groups) s << g.size() << " ";
  s << "\n";
  for (const auto& g : groups) {
    for (float v : g) s << v << " ";
    s << "\n";
  }
  s << alpha << "\n";
  return s.str();
}

using Result = testsupport::Captured;

// A whole run on `input`: standard output, standard error and the exit status.
inline Result run(const std::string& input) {
  return testsupport::capture_run(homorank::run, input);
}

// True when the output holds the code page 932 form of a UTF-8 text.
inline bool contains(const std::string& hay, const char* utf8) {
  return hay.find(con::to_cp932(utf8)) != std::string::npos;
}

}  // namespace homorank_test

#endif  // TESTS_HOMORANK_TEST_HELPERS_H
