// Program texts are kept readable as UTF-8 in the source and written as code
// page 932 bytes. to_cp932() converts a UTF-8 text once; every character the
// programs print is in its table. A character outside the table becomes "?"
// (a test rebuilds the table from every text of the programs and compares it
// with the committed one, so this never reaches a user).
#ifndef CONSOLE_CP932_H
#define CONSOLE_CP932_H

#include <string>
#include <string_view>

namespace con {

std::string to_cp932(std::string_view utf8);

}  // namespace con

#endif  // CONSOLE_CP932_H
