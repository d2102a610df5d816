// Test support: what a routine writes to standard output through a console
// with no input. Unlike capture(), the routine runs on a bare console and
// nothing is caught: a refusal or fault fails the test that called it.
#ifndef TESTS_SUPPORT_PRINTED_H
#define TESTS_SUPPORT_PRINTED_H

#include <functional>
#include <sstream>
#include <string>

#include "console/console.h"

namespace testsupport {

inline std::string printed(const std::function<void(con::Console&)>& body) {
  std::istringstream in;
  std::ostringstream out, err;
  con::Io io{in, out, err, false};
  con::Console c(io);
  body(c);
  return out.str();
}

}  // namespace testsupport

#endif  // TESTS_SUPPORT_PRINTED_H
