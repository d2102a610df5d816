// Text of numbers for free-form statements and fixed-layout fields. Digits
// come from glibc's %e / %f conversions, which round the exact binary value
// half to even.
#include "console/format.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace con {
namespace {

// Inf, -Inf, NaN, -NaN by the sign bit; empty for finite values.
std::string special_text(double x) {
  if (std::isnan(x)) return std::signbit(x) ? "-NaN" : "NaN";
  if (std::isinf(x)) return x < 0 ? "-Inf" : "Inf";
  return std::string();
}

std::string printf_double(const char* fmt, int prec, double x) {
  int n = std::snprintf(nullptr, 0, fmt, prec, x);
  std::string s(static_cast<size_t>(n) + 1, '\0');
  std::snprintf(&s[0], s.size(), fmt, prec, x);
  s.resize(static_cast<size_t>(n));
  return s;
}

// Free-form real with `digits` significant digits: fixed notation for
// 0.1 <= |x| < upper, exponent form otherwise, zero in exponent form.
std::string free_real(double x, int digits, double upper) {
  std::string special = special_text(x);
  if (!special.empty()) return special;
  std::string sign = std::signbit(x) ? "-" : "";
  if (x == 0.0) return sign + "0." + std::string(static_cast<size_t>(digits), '0') + "e+00";
  std::string e = printf_double("%.*e", digits - 1, x);  // [-]d.ddd...e[+-]XX
  double ax = std::fabs(x);
  if (!(ax >= 0.1 && ax < upper)) return e;
  // Fixed notation from the same rounded digits and decimal exponent.
  size_t p = sign.size();
  std::string mant;
  mant += e[p];
  size_t epos = e.find('e');
  mant += e.substr(p + 2, epos - (p + 2));
  int ex = std::atoi(e.c_str() + epos + 1);
  std::string body;
  if (ex < 0) {
    body = "0." + std::string(static_cast<size_t>(-ex - 1), '0') + mant;
  } else if (ex + 1 >= digits) {
    body = mant + std::string(static_cast<size_t>(ex + 1 - digits), '0') + ".";
  } else {
    body = mant.substr(0, static_cast<size_t>(ex + 1)) + "." +
           mant.substr(static_cast<size_t>(ex + 1));
  }
  return sign + body;
}

}  // namespace

std::string free_single(float x) { return free_real(static_cast<double>(x), 9, 1e9); }

std::string free_double(double x) { return free_real(x, 16, 1e16); }

std::string free_int(int64_t v) { return std::to_string(v); }

std::string field_f(double x, int w, int d) {
  std::string special = special_text(x);
  if (!special.empty()) {
    if (static_cast<int>(special.size()) > w) return std::string(static_cast<size_t>(w), '*');
    return special + std::string(static_cast<size_t>(w) - special.size(), ' ');
  }
  std::string s = printf_double("%.*f", d, x);
  if (s[0] == '-' && s.find_first_not_of("-0.") == std::string::npos) s.erase(0, 1);
  if (static_cast<int>(s.size()) > w) return std::string(static_cast<size_t>(w), '*');
  return std::string(static_cast<size_t>(w) - s.size(), ' ') + s;
}

std::string field_i(int64_t v, int w) {
  std::string s = std::to_string(v);
  if (static_cast<int>(s.size()) > w) return std::string(static_cast<size_t>(w), '*');
  return std::string(static_cast<size_t>(w) - s.size(), ' ') + s;
}

std::string field_a(std::string_view s, int w) {
  if (static_cast<int>(s.size()) >= w) return std::string(s.substr(0, static_cast<size_t>(w)));
  return std::string(static_cast<size_t>(w) - s.size(), ' ') + std::string(s);
}

std::string field_x(int n) { return std::string(static_cast<size_t>(n > 0 ? n : 0), ' '); }

}  // namespace con
