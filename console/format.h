// Text of numbers: the free-form forms and the fixed-layout fields.
//
// Free form: single precision with 9 significant digits, fixed notation for
// 0.1 <= |x| < 1e9 with the point always shown ("3.50000000"), otherwise
// "d.dddddddde+XX"; zero "0.000000000e+00". Double precision likewise with 16
// digits (fixed below 1e16). Inf, -Inf, NaN, -NaN by the sign bit.
// Fixed fields: Fw.d rounds half to even on the exact stored value, drops the
// minus of an all-zero result, fills a too-wide field with asterisks and puts
// Inf/NaN at the left of the field; Iw right-aligned; Aw padded on the left or
// cut to its first w bytes; nX blanks.
#ifndef CONSOLE_FORMAT_H
#define CONSOLE_FORMAT_H

#include <cstdint>
#include <string>
#include <string_view>

namespace con {

// 10^0 .. 10^9, exact: the scales of the Fw.d digits and of cdfplot's tie
// keys.
inline constexpr uint64_t kPowersOfTen[10] = {1,      10,      100,      1000,      10000,
                                              100000, 1000000, 10000000, 100000000, 1000000000};

std::string free_single(float x);
std::string free_double(double x);
std::string free_int(int64_t v);

std::string field_f(double x, int w, int d);     // Fw.d (pass a float widened)
std::string field_i(int64_t v, int w);           // Iw
std::string field_a(std::string_view s, int w);  // Aw
std::string field_x(int n);                      // nX

// A fixed-layout record built field by field, in layout order.
class Record {
 public:
  Record& x(int n) {
    s_ += field_x(n);
    return *this;
  }
  Record& f(double v, int w, int d) {
    s_ += field_f(v, w, d);
    return *this;
  }
  Record& i(int64_t v, int w) {
    s_ += field_i(v, w);
    return *this;
  }
  Record& a(std::string_view t, int w) {
    s_ += field_a(t, w);
    return *this;
  }
  Record& text(std::string_view t) {
    s_ += t;
    return *this;
  }
  const std::string& str() const { return s_; }
  operator std::string_view() const { return s_; }  // NOLINT: pass to put_line

 private:
  std::string s_;
};

}  // namespace con

#endif  // CONSOLE_FORMAT_H
