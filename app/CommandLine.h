#pragma once

#include <string>

// The first argument of a command line without the program's name, as the
// shell writes it: in double quotes when it holds blanks ("D:\my plans\a.vx3"),
// bare up to the first blank or tab otherwise. Empty when there is none.
// Shift-JIS needs no care: no trail byte is a blank or a quote.
std::string FirstArgument(const char* arguments);
