// Test support: runs a program body (or a whole program's run function) on a
// given input and keeps standard output, standard error and the exit status.
#ifndef TESTS_SUPPORT_CAPTURE_H
#define TESTS_SUPPORT_CAPTURE_H

#include <functional>
#include <sstream>
#include <string>

#include "console/console.h"

namespace testsupport {

struct Captured {
  std::string out;
  std::string err;
  int status = 0;
};

// Runs body inside con::run_program on `input`.
inline Captured capture(const std::string& input, const std::function<void(con::Console&)>& body) {
  std::istringstream in(input);
  std::ostringstream out, err;
  con::Io io{in, out, err, false};
  Captured r;
  r.status = con::run_program(io, body);
  r.out = out.str();
  r.err = err.str();
  return r;
}

// Runs a program's whole run function on `input`.
inline Captured capture_run(int (*run)(const con::Io&), const std::string& input) {
  std::istringstream in(input);
  std::ostringstream out, err;
  con::Io io{in, out, err, false};
  Captured r;
  r.status = run(io);
  r.out = out.str();
  r.err = err.str();
  return r;
}

}  // namespace testsupport

#endif  // TESTS_SUPPORT_CAPTURE_H
