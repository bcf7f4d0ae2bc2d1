#pragma once

#include <windows.h>

// Libraries that the program loads only when first used, so that starting it
// loads none of them.

// Loads a library of the system folder by its full path: a file of that name
// in the working directory (the folder of an opened plan) or beside the
// program is never taken. Null when it cannot be loaded.
HMODULE LoadSystemLibrary(const char* fileName);

// An entry point as the function type it has; null for a null library or an
// entry it lacks.
template <typename Function>
Function LibraryEntry(HMODULE library, const char* name) {
  if (!library) return nullptr;
  return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(library, name)));
}
