#pragma once

#include <windows.h>

// The plug-in's own module (not the program's), for its window class and its log.
HMODULE ThisModule();

// The full path of a file in the folder the plug-in was loaded from; false
// when the path does not fit.
bool PathBesideModule(const char* fileName, char (&path)[MAX_PATH]);
