// Text of numbers for free-form statements and fixed-layout fields. Digits
// come from glibc's %e / %f conversions, which round the exact binary value
// half to even, or, for the usual Fw.d field, from integer arithmetic on that
// exact value with the same rounding (the echoes and tables write thousands).
#include "console/format.h"

#include <cmath>
#include <cstdint>
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
  char buf[512];
  int n = std::snprintf(buf, sizeof buf, fmt, prec, x);
  if (n >= 0 && static_cast<size_t>(n) < sizeof buf) return std::string(buf, static_cast<size_t>(n));
  std::string s(static_cast<size_t>(n) + 1, '\0');
  std::snprintf(&s[0], s.size(), fmt, prec, x);
  s.resize(static_cast<size_t>(n));
  return s;
}

// |x| * 10^d rounded to the nearest whole number, half to even, for a finite
// |x| < 2^30 and 0 <= d <= 9. |x| = m / 2^s exactly, with m < 2^53 a whole
// number and s >= 23; m * 10^d < 2^83 is exact in 128 bits, and the remainder
// of the division by 2^s decides the rounding.
uint64_t scaled_round_half_even(double x, int d) {
  int e = 0;
  const double frac = std::frexp(std::fabs(x), &e);  // |x| = frac * 2^e, 0.5 <= frac < 1
  const uint64_t m = static_cast<uint64_t>(std::ldexp(frac, 53));
  const int s = 53 - e;
  if (s >= 128) return 0;  // below 2^-75: far under half a unit of the last place
  const unsigned __int128 p = static_cast<unsigned __int128>(m) * kPowersOfTen[d];
  unsigned __int128 q = p >> s;
  const unsigned __int128 r = p - (q << s);
  const unsigned __int128 half = static_cast<unsigned __int128>(1) << (s - 1);
  if (r > half || (r == half && (q & 1u) != 0)) ++q;
  return static_cast<uint64_t>(q);
}

// The text of "%.*f" for a finite x, except that a result of all zeros has no
// minus sign.
std::string fixed_text(double x, int d) {
  if (!(d >= 0 && d <= 9 && std::fabs(x) < 1073741824.0)) {
    std::string s = printf_double("%.*f", d, x);
    if (s[0] == '-' && s.find_first_not_of("-0.") == std::string::npos) s.erase(0, 1);
    return s;
  }
  const uint64_t n = scaled_round_half_even(x, d);
  char buf[32];
  char* end = buf + sizeof buf;
  char* p = end;
  uint64_t whole = n / kPowersOfTen[d];
  uint64_t part = n % kPowersOfTen[d];
  for (int k = 0; k < d; ++k) {
    *--p = static_cast<char>('0' + part % 10);
    part /= 10;
  }
  if (d > 0) *--p = '.';
  do {
    *--p = static_cast<char>('0' + whole % 10);
    whole /= 10;
  } while (whole != 0);
  if (n != 0 && std::signbit(x)) *--p = '-';
  return std::string(p, static_cast<size_t>(end - p));
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
  std::string s = fixed_text(x, d);
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
