#pragma once

#include <string>
#include <string_view>

// A Shift-JIS text as the console shows it: unchanged on Windows, where the
// console's code page is 932; in UTF-8 elsewhere. A byte that does not convert
// becomes '?'.
std::string ConsoleText(std::string_view shiftJis);
