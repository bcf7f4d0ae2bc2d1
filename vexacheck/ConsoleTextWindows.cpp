#include "vexacheck/ConsoleText.h"

std::string ConsoleText(std::string_view shiftJis) { return std::string(shiftJis); }
