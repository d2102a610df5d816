// The console layer: free-form statements on standard output, free-form reads
// from standard input, messages on standard error, and the frame of a run.
#include "console/console.h"

#include <unistd.h>

#include <cerrno>
#include <cfenv>
#include <cmath>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <limits>
#include <new>
#include <stdexcept>
#include <string>

#if defined(__SSE__) || defined(__x86_64__)
#include <xmmintrin.h>
#endif

#include "console/format.h"

namespace con {

namespace {

constexpr int64_t kWarningsShown = 5;          // warning lines printed per run at most
constexpr int64_t kDigitCap = 100000000000LL;  // beyond every 32-bit value

bool is_blank(char ch) { return ch == ' ' || ch == '\t' || ch == '\r'; }
bool is_digit(char ch) { return ch >= '0' && ch <= '9'; }
bool ends_item(char ch) { return is_blank(ch) || ch == ',' || ch == '/'; }

std::string describe(char ch) {
  unsigned char b = static_cast<unsigned char>(ch);
  char buf[32];
  if (b < 0x20 || b >= 0x7F) {
    std::snprintf(buf, sizeof buf, "byte 0x%02X", b);
  } else {
    std::snprintf(buf, sizeof buf, "character '%c'", ch);
  }
  return buf;
}

}  // namespace

// Line-oriented free-form reader. Each read statement starts on a fresh line.
class Reader {
 public:
  explicit Reader(Console& c) : c_(c) {}

  template <class T>
  void read(T* dst, int64_t n) {
    if (n <= 0) return;
    int64_t filled = 0;   // items filled or left null
    bool pending = true;  // no value since the start of the read or the last comma
    next_line(n);
    for (;;) {
      while (pos_ < line_.size() && is_blank(line_[pos_])) ++pos_;
      if (pos_ >= line_.size()) {
        next_line(n - filled);
        continue;
      }
      char ch = line_[pos_];
      if (ch == '/') return;  // the rest keeps its values
      if (ch == ',') {
        ++pos_;
        if (pending && ++filled == n) return;  // a null item
        pending = true;
        continue;
      }
      size_t start = pos_;
      while (pos_ < line_.size() && !ends_item(line_[pos_])) ++pos_;
      filled += item(start, pos_, dst + filled, n - filled);
      pending = false;
      if (filled >= n) return;
    }
  }

 private:
  void next_line(int64_t wanted) {
    c_.flush_prompt();
    line_.clear();
    pos_ = 0;
    int chr = c_.io_.in.rdbuf() ? c_.io_.in.rdbuf()->sgetc() : EOF;
    if (chr == EOF || !std::getline(c_.io_.in, line_)) {
      c_.stop(kMsgEndOfInput, kEndOfInput,
              "end of input after line " + std::to_string(lineno_) + " while " +
                  std::to_string(wanted) + " more value(s) were expected; the run stops");
    }
    ++lineno_;
  }

  std::string where(size_t col) const {
    return "line " + std::to_string(lineno_) + ", column " + std::to_string(col + 1);
  }

  // Counted every time; the text is built only for the warnings printed, so a
  // long run of bad characters costs no more than the same run of digits.
  void bad_char(size_t col) {
    if (!c_.count_message(kMsgBadCharacter, kWarning)) return;
    c_.print_message(kMsgBadCharacter, kWarning,
                     where(col) + ": " + describe(line_[col]) +
                         " cannot belong to the number being read; it is read as the digit 0");
  }

  // One item line_[b, e): a value, r*v, or r* (r null items). Fills at most
  // `room` items from dst and returns how many it used.
  template <class T>
  int64_t item(size_t b, size_t e, T* dst, int64_t room) {
    // A repeat count: optionally signed digits followed by '*'.
    size_t digits = (line_[b] == '+' || line_[b] == '-') ? b + 1 : b;
    size_t star = digits;
    while (star < e && is_digit(line_[star])) ++star;
    if (star > digits && star < e && line_[star] == '*') {
      int64_t r = 0;
      for (size_t k = digits; k < star; ++k) {
        if (r < kDigitCap) r = r * 10 + (line_[k] - '0');
      }
      if (line_[b] == '-') r = -r;
      if (r < 1 || r > std::numeric_limits<int32_t>::max()) {
        c_.stop(kMsgRepeatCount, kError,
                where(b) + ": repeat count " + line_.substr(b, star - b) +
                    " is not between 1 and 2147483647; the run stops");
      }
      int64_t use = r < room ? r : room;
      if (star + 1 == e) return use;  // r* : r items left unchanged
      T v = value<T>(star + 1, e);
      for (int64_t k = 0; k < use; ++k) dst[k] = v;
      return use;
    }
    *dst = value<T>(b, e);
    return 1;
  }

  template <class T>
  T value(size_t b, size_t e);

  Console& c_;
  std::string line_;
  size_t pos_ = 0;
  int64_t lineno_ = 0;
};

// An integer: an optional leading sign and digits; any other character counts
// as the digit 0. Values outside the 32-bit range stop the run.
template <>
int32_t Reader::value<int32_t>(size_t b, size_t e) {
  bool negative = false;
  size_t k = b;
  if (line_[k] == '+' || line_[k] == '-') {
    negative = line_[k] == '-';
    ++k;
  }
  int64_t v = 0;
  if (k == e) bad_char(b);  // a lone sign: no digit at all, read as 0
  for (; k < e; ++k) {
    int d = 0;
    if (is_digit(line_[k])) {
      d = line_[k] - '0';
    } else {
      bad_char(k);
    }
    if (v < kDigitCap) v = v * 10 + d;
  }
  if (negative) v = -v;
  if (v < std::numeric_limits<int32_t>::min() || v > std::numeric_limits<int32_t>::max()) {
    c_.stop(kMsgIntegerRange, kError,
            where(b) + ": the integer " + line_.substr(b, e - b) +
                " is outside the range -2147483648..2147483647; the run stops");
  }
  return static_cast<int32_t>(v);
}

// A real: sign, digits, one point, one exponent letter (e, E, d, D) with its
// own sign and digits. Any other character counts as the digit 0. The text is
// rounded once, directly to single precision; a value beyond the single range
// stops the run (an underflow to a subnormal or zero is accepted).
template <>
float Reader::value<float>(size_t b, size_t e) {
  std::string t;
  bool point = false, exponent = false, mant_digit = false, exp_digit = false;
  // Leading zeros of the integer part and of the exponent change no value, so
  // a run of them is kept as one zero: a long run of bad characters (each read
  // as 0) costs no memory.
  bool part_empty = true;  // no digit yet in the integer part, or in the exponent
  bool lone_zero = false;  // that part holds exactly one digit, a 0
  auto digit = [&](char d) {
    (exponent ? exp_digit : mant_digit) = true;
    if (d == '0' && lone_zero) return;
    t += d;
    lone_zero = d == '0' && part_empty && (exponent || !point);
    part_empty = false;
  };
  size_t k = b;
  if (line_[k] == '+' || line_[k] == '-') t += line_[k++];
  for (; k < e; ++k) {
    char ch = line_[k];
    bool sign_ok = exponent && !exp_digit && (t.back() == 'e');
    if (is_digit(ch)) {
      digit(ch);
    } else if (ch == '.' && !point && !exponent) {
      t += ch;
      point = true;
      lone_zero = false;
    } else if ((ch == 'e' || ch == 'E' || ch == 'd' || ch == 'D') && !exponent && mant_digit) {
      t += 'e';
      exponent = true;
      part_empty = true;
      lone_zero = false;
    } else if ((ch == '+' || ch == '-') && sign_ok) {
      t += ch;
    } else {
      bad_char(k);
      digit('0');
    }
  }
  if (!mant_digit) {
    bad_char(b);  // no digit at all: read as 0
    t += '0';
  }
  if (exponent && !exp_digit) t += '0';
  errno = 0;
  float v = std::strtof(t.c_str(), nullptr);
  if (std::isinf(v)) {
    c_.stop(kMsgRealRange, kError,
            where(b) + ": the value " + line_.substr(b, e - b) +
                " is beyond the single-precision range; the run stops");
  }
  return v;
}

Console::Console(const Io& io) : io_(io), reader_(new Reader(*this)) {}

Console::~Console() { delete reader_; }

void Console::write(std::initializer_list<Item> items) {
  std::string line = " ";
  size_t n = items.size(), k = 0;
  for (const Item& it : items) {
    ++k;
    switch (it.kind()) {
      case Item::kText:
        line += it.text();
        continue;
      case Item::kInt:
        line += free_int(it.integer());
        break;
      case Item::kSingle:
        line += free_single(it.single());
        break;
      case Item::kDouble:
        line += free_double(it.double_value());
        break;
    }
    if (k < n) line += ' ';
  }
  put_line(line);
}

void Console::put_line(std::string_view bytes) {
  io_.out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  io_.out.write("\r\n", 2);
  if (io_.out.fail() && !output_lost_) {
    output_lost_ = true;
    stop(kMsgFault, kFault,
         "standard output could not be written, so the report is incomplete; the run stops");
  }
}

void Console::read_ints(int32_t* dst, int64_t n) { reader_->read(dst, n); }

void Console::read_reals(float* dst, int64_t n) { reader_->read(dst, n); }

void Console::flush_prompt() {
  if (io_.flush_before_read) io_.out.flush();
}

void Console::message(MessageId id, Severity severity, std::string_view text) {
  if (count_message(id, severity)) print_message(id, severity, text);
}

bool Console::count_message(MessageId id, Severity severity) {
  if (severity > highest_) highest_ = severity;
  int slot = 0;
  while (slot < ncounts_ && counts_[slot].id != id) ++slot;
  if (slot == ncounts_ && ncounts_ < static_cast<int>(sizeof counts_ / sizeof counts_[0])) {
    counts_[ncounts_++] = Count{id, severity, 0};
  }
  if (slot < ncounts_ && counts_[slot].count < std::numeric_limits<int64_t>::max()) {
    ++counts_[slot].count;
  }
  if (severity == kWarning) {
    if (warnings_printed_ >= kWarningsShown) return false;
    ++warnings_printed_;
  }
  return true;
}

void Console::print_message(MessageId id, Severity severity, std::string_view text) {
  const char* kind = severity == kWarning ? "warning" : severity == kFault ? "fault" : "error";
  std::string line = std::string(kind) + " " + std::to_string(id) + " (severity " +
                     std::to_string(severity) + "): ";
  line += text;
  line += "\r\n";
  io_.out.flush();
  io_.err.write(line.data(), static_cast<std::streamsize>(line.size()));
}

void Console::refuse(std::string_view text) {
  std::string t(text);
  stop(kMsgOutsideData, kError, t + "; the run stops");
}

void Console::stop(MessageId id, Severity severity, std::string_view text) {
  message(id, severity, text);
  throw Stop{highest_};
}

int Console::finish() {
  io_.out.flush();
  if (io_.out.fail() && !output_lost_) {
    output_lost_ = true;
    message(kMsgFault, kFault, "standard output could not be written, so the report is incomplete");
  }
  if (ncounts_ > 0) {
    std::string s = "message summary: number, severity, count\r\n";
    for (int k = 0; k < ncounts_; ++k) {
      s += "  " + std::to_string(counts_[k].id) + "  " + std::to_string(counts_[k].severity) +
           "  " + std::to_string(counts_[k].count) + "\r\n";
    }
    s += "exit status " + std::to_string(highest_) + "\r\n";
    io_.err.write(s.data(), static_cast<std::streamsize>(s.size()));
    io_.err.flush();
  }
  // A message that could not be written is a lost report too.
  if (io_.err.fail()) highest_ = kFault;
  return highest_;
}

namespace {

// The arithmetic every result depends on: round to nearest in 53-bit double
// (SSE), all exceptions masked (division by zero gives Inf, invalid gives
// NaN), subnormals kept.
void set_float_environment() {
  std::fesetround(FE_TONEAREST);
#if defined(__SSE__) || defined(__x86_64__)
  unsigned int csr = _mm_getcsr();
  csr |= 0x1F80u;               // mask all six exceptions
  csr &= ~(0x8000u | 0x0040u);  // no flush-to-zero, no denormals-are-zero
  _mm_setcsr(csr);
#endif
}

}  // namespace

// The message of a run that ran out of memory.
constexpr char kOutOfMemory[] = "out of memory; the run stops";

int run_program(const Io& io, const std::function<void(Console&)>& body) {
  set_float_environment();
  Console c(io);
  try {
    body(c);
  } catch (const Stop&) {
    // The message is already out; the status is the highest severity seen.
  } catch (const std::bad_alloc&) {
    try {
      c.message(kMsgFault, kFault, kOutOfMemory);
    } catch (...) {
    }
  } catch (const std::exception& e) {
    c.message(kMsgFault, kFault, std::string("internal fault: ") + e.what());
  }
  return c.finish();
}

int main_stdio(int (*run)(const Io&)) {
  std::signal(SIGPIPE, SIG_IGN);
  try {
    std::ios::sync_with_stdio(false);
    Io io{std::cin, std::cout, std::cerr, isatty(STDOUT_FILENO) == 1};
    return run(io);
  } catch (const std::bad_alloc&) {
    // Memory ran out before the run could set up its console (the stream
    // buffers), or while it wrote the summary: the same message, summary and
    // status as running out during the run, written without allocating.
    static_assert(kMsgFault == 1007 && kFault == 16, "the fixed text below names both");
    std::fputs("fault 1007 (severity 16): ", stderr);
    std::fputs(kOutOfMemory, stderr);
    std::fputs("\r\nmessage summary: number, severity, count\r\n"
               "  1007  16  1\r\n"
               "exit status 16\r\n",
               stderr);
    return kFault;
  }
}

}  // namespace con
