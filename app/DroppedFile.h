#pragma once

#include <windows.h>

#include <shellapi.h>

#include <string>

// The first file of a drop on the window (WM_DROPFILES), in the system's code
// page; false when the drop holds none. The drop is released either way. The
// shell's library is loaded with the first drop: linked, it would be loaded
// at every start.
bool TakeFirstDroppedFile(HDROP drop, std::string& path);
