// The console layer shared by every program: free-form input and output,
// messages counted by severity and the exit status, and the frame of a run.
//
// A program's whole run is a function over an input stream and two output
// streams (con::Io) that returns the exit status. Its body gets a Console; a
// stop (end of input, a refusal of out-of-range data) throws con::Stop, which
// unwinds to con::run_program and becomes the exit status.
#ifndef CONSOLE_CONSOLE_H
#define CONSOLE_CONSOLE_H

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <iosfwd>
#include <string>
#include <string_view>

namespace con {

// Severities of the layer's messages; the exit status is the highest seen.
enum Severity : int {
  kWarning = 4,
  kError = 8,
  kEndOfInput = 12,
  kFault = 16,
};

// Message numbers (shown in messages and in the end-of-run summary).
enum MessageId : int {
  kMsgBadCharacter = 1001,  // a character that cannot belong to a number
  kMsgIntegerRange = 1002,  // an integer outside the 32-bit range
  kMsgRealRange = 1003,     // a real beyond the single-precision range
  kMsgRepeatCount = 1004,   // a repeat count below 1 or too large
  kMsgEndOfInput = 1005,    // end of input while a value was expected
  kMsgOutsideData = 1006,   // data the program cannot hold or use (refused)
  kMsgFault = 1007,         // an unrecoverable fault
};

// Thrown to end a run early; carries the exit status.
struct Stop {
  int status;
};

struct Io {
  std::istream& in;
  std::ostream& out;
  std::ostream& err;
  bool flush_before_read = false;  // true when standard output is a terminal
};

// One item of a free-form output statement. A text item refers to the bytes it
// is given, so items are built inside the write() call that prints them.
class Item {
 public:
  enum Kind { kText, kInt, kSingle, kDouble };
  Item(const std::string& text) : kind_(kText), text_(text) {}  // NOLINT: implicit by design
  Item(const char* text) : kind_(kText), text_(text) {}         // NOLINT
  Item(int32_t v) : kind_(kInt), i_(v) {}                       // NOLINT
  Item(int64_t v) : kind_(kInt), i_(v) {}                       // NOLINT
  Item(float v) : kind_(kSingle), f_(v) {}                      // NOLINT
  Item(double v) : kind_(kDouble), d_(v) {}                     // NOLINT
  Kind kind() const { return kind_; }
  std::string_view text() const { return text_; }
  int64_t integer() const { return i_; }
  float single() const { return f_; }
  double double_value() const { return d_; }

 private:
  Kind kind_;
  std::string_view text_;
  int64_t i_ = 0;
  float f_ = 0.0f;
  double d_ = 0.0;
};

class Reader;

class Console {
 public:
  explicit Console(const Io& io);
  ~Console();
  Console(const Console&) = delete;
  Console& operator=(const Console&) = delete;

  // Free-form output statement: one line beginning with one blank. Texts are
  // written as stored (code page 932 bytes); a number is followed by one blank
  // unless it is the last item. No items: a line holding one blank.
  void write(std::initializer_list<Item> items);

  // A fixed-layout record (built with con::Record or the field writers of
  // format.h): the bytes as given, then CR LF. An empty string is an empty line.
  // Once standard output has failed (a full disk, a closed pipe), the run
  // stops with severity 16.
  void put_line(std::string_view bytes);

  // Free-form reads. Each read starts on a fresh input line and goes on to
  // further lines while values are still needed; what is left on the last line
  // it used is not seen again. A read of n <= 0 items consumes nothing. Items
  // left null (",,", "/", "r*") keep the value already in storage.
  void read_ints(int32_t* dst, int64_t n);
  void read_reals(float* dst, int64_t n);
  void read_int(int32_t& v) { read_ints(&v, 1); }
  void read_real(float& v) { read_reals(&v, 1); }

  // A message on standard error, counted under its number and severity.
  void message(MessageId id, Severity severity, std::string_view text);

  // Refuses data the program cannot hold or use: an error message (severity 8)
  // and a stop. Nothing more is read or written on standard output.
  [[noreturn]] void refuse(std::string_view text);

  // Stops the run with the given severity after a message.
  [[noreturn]] void stop(MessageId id, Severity severity, std::string_view text);

  // Ends the run: flushes standard output (a failed write is a fault, reported
  // on standard error), writes the message summary (only when a message was
  // issued) and returns the exit status, the highest severity seen (0 if
  // none), or 16 when standard error could not be written either.
  int finish();

 private:
  friend class Reader;
  void flush_prompt();
  // Counts a message under its number and severity; true when its text is to
  // be printed (warnings beyond the first few are only counted, so their text
  // is never built).
  bool count_message(MessageId id, Severity severity);
  void print_message(MessageId id, Severity severity, std::string_view text);
  bool output_lost_ = false;  // the failed write to standard output was reported
  Io io_;
  Reader* reader_;
  int highest_ = 0;
  int64_t warnings_printed_ = 0;
  struct Count {
    int id;
    int severity;
    int64_t count;
  };
  Count counts_[8] = {};
  int ncounts_ = 0;
};

// Runs one program body on the given streams and returns the exit status.
// Stops and unexpected exceptions end the run with their status.
int run_program(const Io& io, const std::function<void(Console&)>& body);

// For main(): binary-safe standard streams, prompts flushed before reads when
// standard output is a terminal, and SIGPIPE ignored so that writing to a
// closed pipe fails like any other write (status 16). Running out of memory,
// even before the run starts, ends with status 16 and its message. Returns the
// exit status.
int main_stdio(int (*run)(const Io&));

}  // namespace con

#endif  // CONSOLE_CONSOLE_H
