// UTF-8 program texts to code page 932 bytes, by a table of the characters the
// programs print. ASCII passes through unchanged.
#include "console/cp932.h"

#include <cstddef>
#include <cstdint>

namespace con {
namespace {

struct Entry {
  uint32_t code;
  unsigned char lead;
  unsigned char trail;
};

constexpr Entry kTable[] = {
#include "console/cp932_table.inc"
};

const Entry* find(uint32_t code) {
  size_t lo = 0, hi = sizeof kTable / sizeof kTable[0];
  while (lo < hi) {
    size_t mid = lo + (hi - lo) / 2;
    if (kTable[mid].code < code) {
      lo = mid + 1;
    } else {
      hi = mid;
    }
  }
  if (lo < sizeof kTable / sizeof kTable[0] && kTable[lo].code == code) return &kTable[lo];
  return nullptr;
}

}  // namespace

std::string to_cp932(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  size_t i = 0;
  while (i < utf8.size()) {
    unsigned char b = static_cast<unsigned char>(utf8[i]);
    if (b < 0x80) {
      out += static_cast<char>(b);
      ++i;
      continue;
    }
    int len = (b >= 0xF0) ? 4 : (b >= 0xE0) ? 3 : (b >= 0xC0) ? 2 : 1;
    uint32_t code = (len == 4) ? (b & 0x07u) : (len == 3) ? (b & 0x0Fu) : (b & 0x1Fu);
    bool ok = len > 1 && i + static_cast<size_t>(len) <= utf8.size();
    for (int k = 1; ok && k < len; ++k) {
      unsigned char cb = static_cast<unsigned char>(utf8[i + static_cast<size_t>(k)]);
      if ((cb & 0xC0u) != 0x80u) ok = false;
      code = (code << 6) | (cb & 0x3Fu);
    }
    const Entry* e = ok ? find(code) : nullptr;
    if (e) {
      out += static_cast<char>(e->lead);
      out += static_cast<char>(e->trail);
      i += static_cast<size_t>(len);
    } else {
      out += '?';
      i += ok ? static_cast<size_t>(len) : 1;
    }
  }
  return out;
}

}  // namespace con
