// Condition messages of the integration library: write_condition_message writes one line per
// condition code at or above the message level, set_message_level sets the level and
// unit, write_status_banner writes the status banner. Lines go to the library's sink with
// their unit number; the sink decides where a unit leads.
// Level -1 (the initial value) writes nothing.
#ifndef NUMLIB_MESSAGES_H
#define NUMLIB_MESSAGES_H

#include <cstdint>

#include "numlib/library.h"

namespace numlib {

// Classification code of a reporting routine: six 4-character fields.
using ClassCode = char[6][4];

void write_condition_message(Library& lib, const int32_t& icon, const ClassCode& code);
void set_message_level(Library& lib, const int32_t& level, const int32_t& unit);
void write_status_banner(Library& lib);

}  // namespace numlib

#endif  // NUMLIB_MESSAGES_H
