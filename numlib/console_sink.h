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
  ConsoleSink(con::Console& console, std::ostream& errors)
      : output(console), error_stream(errors) {}
  // Writes the bytes and CR LF to the stream of the unit (6 or 0); any other
  // unit writes nothing.
  void line(int32_t unit, std::string_view bytes) override;

 private:
  con::Console& output;        // unit 6
  std::ostream& error_stream;  // unit 0
};

}  // namespace numlib

#endif  // NUMLIB_CONSOLE_SINK_H
