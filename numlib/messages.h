// Condition messages of the integration library: mgnuml_ writes one line per
// condition code at or above the message level, mgset_ sets the level and
// unit, numlvl_ writes the status banner. Lines go to the library's sink with
// their unit number; the sink decides where a unit leads.
// Level -1 (the initial value) writes nothing.
#ifndef NUMLIB_MESSAGES_H
#define NUMLIB_MESSAGES_H

#include <cstdint>

#include "numlib/library.h"

namespace numlib {

// Classification code of a reporting routine: six 4-character fields.
using ClassCode = char[6][4];

void mgnuml_(Library& lib, const int32_t& icon, const ClassCode& code);
void mgset_(Library& lib, const int32_t& level, const int32_t& unit);
void numlvl_(Library& lib);

}  // namespace numlib

#endif  // NUMLIB_MESSAGES_H
