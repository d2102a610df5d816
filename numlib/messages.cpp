// Condition messages, level and unit control, and the status banner of the
// integration library, each line handed to the sink with its unit.
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

int32_t clamp_to_32_bits(int64_t v) {
  if (v > std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
  if (v < std::numeric_limits<int32_t>::min()) return std::numeric_limits<int32_t>::min();
  return static_cast<int32_t>(v);
}

// The line added after the banner once a negative unit was made positive.
constexpr const char* kUnitNotice = " *****  MESSAGE UNIT WAS NEGATIVE, SIGN CHANGED";

}  // namespace

void write_condition_message(Library& lib, int32_t condition, const ClassificationCode& code) {
  if (lib.message_level < 0) return;
  if (condition < lib.message_level) return;
  con::Record r;
  r.text(" ").text("**** NUML ( ");
  for (int f = 0; f < 6; ++f) r.a(std::string_view(code[f], 4), 2);
  r.text(") CONDITION ").i(condition, 5).text(" ****");
  emit(lib, lib.message_unit, r.str());
}

void set_message_level(Library& lib, int32_t level, int32_t unit) {
  lib.message_level = clamp_to_32_bits(static_cast<int64_t>(level) * 10000);
  if (level >= 0) lib.message_unit = unit;
}

void write_status_banner(Library& lib) {
  emit(lib, lib.message_unit, "0");
  emit(lib, lib.message_unit, " *****  LIBRARY STATUS ( NUML  V5.1L00 )  *****");
  emit(lib, lib.message_unit, "");
  if (lib.message_unit < 0) {
    lib.message_unit = clamp_to_32_bits(-static_cast<int64_t>(lib.message_unit));
    emit(lib, lib.message_unit, std::string("0") + kUnitNotice);
  }
}

}  // namespace numlib
