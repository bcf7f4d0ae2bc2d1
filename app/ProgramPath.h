#pragma once

#include <string>

// The program file's full path, in the system's code page.
std::string ProgramPath();

// The program's folder, ending in its backslash; empty for a path without one.
std::string ProgramFolder();
