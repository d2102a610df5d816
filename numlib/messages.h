// Condition messages of the integration library. Lines go to the library's
// sink with their unit number; the sink decides where a unit leads. The
// message level starts at -1, which writes nothing.
#ifndef NUMLIB_MESSAGES_H
#define NUMLIB_MESSAGES_H

#include <cstdint>

#include "numlib/library.h"

namespace numlib {

// Classification code of a reporting routine: six 4-character fields.
using ClassificationCode = char[6][4];

// Writes " **** NUML ( <code> ) CONDITION nnnnn ****" to the message unit when
// the level is not negative and the condition is at or above it; the code is
// printed as the first two characters of each field, the condition as I5.
void write_condition_message(Library& lib, int32_t condition, const ClassificationCode& code);

// Sets the message level to level * 10000 (a product beyond 32 bits is held
// at the nearest 32-bit value) and, when level is not negative, the unit.
void set_message_level(Library& lib, int32_t level, int32_t unit);

// Writes the three banner lines to the message unit; a negative unit is then
// made positive (held within 32 bits) and a fourth line says so on it.
void write_status_banner(Library& lib);

}  // namespace numlib

#endif  // NUMLIB_MESSAGES_H
