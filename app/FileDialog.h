#pragma once

#include <windows.h>

#include <string>

// What a common file dialog shows and asks.
struct FileDialogKind {
  const char* filter;  // pairs of NUL-ended texts, then a NUL
  const char* title;
  DWORD flags;
  const char* defaultExtension;  // added to a name typed without one
};

// The open or the save dialog, owned by the window, in the folder, with the
// name that path holds at first; the user's choice replaces it. False when
// the user cancelled or no dialog could be shown.
// The common dialogs are loaded when first asked for: linked, they would
// bring the shell's libraries into every start of the program.
bool AskFilePath(HWND owner, bool save, const FileDialogKind& kind, const std::string& folder,
                 std::string& path);
