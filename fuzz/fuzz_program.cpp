// libFuzzer target: arbitrary bytes as the standard input of one program's
// run function (the program is chosen at build time by FUZZ_PROGRAM, its
// header by FUZZ_HEADER). Output goes to memory and is thrown away; any crash,
// sanitizer report or hang is a finding.
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

#include "console/console.h"
#include FUZZ_HEADER

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
  std::ostringstream out, err;
  con::Io io{in, out, err, false};
  int status = FUZZ_PROGRAM::run(io);
  // The exit status is always one of the layer's severities.
  if (status != 0 && status != 4 && status != 8 && status != 12 && status != 16) __builtin_trap();
  return 0;
}
