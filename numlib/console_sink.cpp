// Routes the library's lines by unit: 6 to standard output, 0 to standard
// error, any other unit nowhere (the console knows only the two streams).
#include "numlib/console_sink.h"

namespace numlib {

void ConsoleSink::line(int32_t unit, std::string_view bytes) {
  if (unit == 6) {
    output.put_line(bytes);
  } else if (unit == 0) {
    error_stream.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    error_stream.write("\r\n", 2);
  }
}

}  // namespace numlib
