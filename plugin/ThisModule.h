#pragma once

#include <windows.h>

#include <string>

// The plug-in's own module (not the program's), for its window class and its log.
HMODULE ThisModule();

// The full path of a file in the folder the plug-in was loaded from.
std::string PathBesideModule(const char* fileName);
