// Message sink of the integration library over the console streams: unit 6
// is standard output (through the console, so lines end with CR LF like
// every other line of the run), unit 0 is standard error, and every other
// unit, negative ones included, writes nowhere.
#ifndef NUMLIB_CONSOLE_SINK_H
#define NUMLIB_CONSOLE_SINK_H

#include <cstdint>
#include <ostream>
#include <string_view>

#include "console/console.h"
#include "numlib/library.h"

namespace numlib {

class ConsoleSink : public MessageSink {
 public:
  ConsoleSink(con::Console& console, std::ostream& err) : console_(console), err_(err) {}
  void line(int32_t unit, std::string_view bytes) override;

 private:
  con::Console& console_;
  std::ostream& err_;
};

}  // namespace numlib

#endif  // NUMLIB_CONSOLE_SINK_H
