// Condition lines (" **** NUML ( <code> ) CONDITION nnnnn ****"), the level
// and unit control, and the status banner of the integration library.
// The level is the control value times 10000; a product beyond 32 bits is
// held at the nearest 32-bit value. A negative unit made positive by the
// banner is kept within 32 bits the same way.
#include "numlib/messages.h"

#include <cstdint>
#include <limits>
#include <string>

#include "console/format.h"

namespace numlib {
namespace {

void emit(Library& lib, int32_t unit, const std::string& bytes) {
  if (lib.sink != nullptr) lib.sink->line(unit, bytes);
}

int32_t clamp32(int64_t v) {
  if (v > std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
  if (v < std::numeric_limits<int32_t>::min()) return std::numeric_limits<int32_t>::min();
  return static_cast<int32_t>(v);
}

// Second banner line, written after a negative unit was made positive.
constexpr const char* kUnitNotice = " *****  MESSAGE UNIT WAS NEGATIVE, SIGN CHANGED";

}  // namespace

void write_condition_message(Library& lib, const int32_t& icon, const ClassCode& code) {
  if (lib.msglevel < 0) return;
  if (icon < lib.msglevel) return;
  con::Record r;
  r.text(" ").text("**** NUML ( ");
  for (int f = 0; f < 6; ++f) r.a(std::string_view(code[f], 4), 2);
  r.text(") CONDITION ").i(icon, 5).text(" ****");
  emit(lib, lib.msgunit, r.str());
}

void set_message_level(Library& lib, const int32_t& level, const int32_t& unit) {
  lib.msglevel = clamp32(static_cast<int64_t>(level) * 10000);
  if (level >= 0) lib.msgunit = unit;
}

void write_status_banner(Library& lib) {
  emit(lib, lib.msgunit, "0");
  emit(lib, lib.msgunit, " *****  LIBRARY STATUS ( NUML  V5.1L00 )  *****");
  emit(lib, lib.msgunit, "");
  if (lib.msgunit < 0) {
    lib.msgunit = clamp32(-static_cast<int64_t>(lib.msgunit));
    emit(lib, lib.msgunit, std::string("0") + kUnitNotice);
  }
}

}  // namespace numlib
