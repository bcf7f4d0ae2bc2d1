#pragma once

#include <windows.h>

#include <shellapi.h>

#include <string>

#include "ui/LibraryEntry.h"

// What the program asks of the operating system itself: its own file, the
// libraries it loads only when first used (so that starting it loads none of
// them), and the first file of a drop.

// The program file's full path, in the system's code page.
std::string ProgramPath();

// The program's folder, ending in its backslash; empty for a path without one.
std::string ProgramFolder();

// Loads a library of the system folder by its full path: a file of that name
// in the working directory (the folder of an opened plan) or beside the
// program is never taken. Null when it cannot be loaded.
HMODULE LoadSystemLibrary(const char* fileName);

// The first file of a drop on the window (WM_DROPFILES), in the system's code
// page; false when the drop holds none. The drop is released either way. The
// shell's library is loaded with the first drop: linked, it would be loaded
// at every start.
bool TakeFirstDroppedFile(HDROP drop, std::string& path);
