#pragma once

#include <windows.h>

// An entry point as the function type it has; null for a null library or an
// entry it lacks. Entries that older systems or Wine lack are looked up this
// way, not imported, so that the program still starts there.
template <typename Function>
Function LibraryEntry(HMODULE library, const char* name) {
  if (!library) return nullptr;
  return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(library, name)));
}

// An entry of user32, which every window program has loaded.
template <typename Function>
Function User32Entry(const char* name) {
  return LibraryEntry<Function>(GetModuleHandleA("user32.dll"), name);
}
