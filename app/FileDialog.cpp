#include "app/FileDialog.h"

#include <commdlg.h>

#include "app/OperatingSystem.h"

namespace {

constexpr int kPathChars = 1024;

using FileDialogFunction = BOOL(WINAPI*)(OPENFILENAMEA*);

FileDialogFunction FileDialogEntry(bool save) {
  static const HMODULE library = LoadSystemLibrary("comdlg32.dll");
  return LibraryEntry<FileDialogFunction>(library, save ? "GetSaveFileNameA" : "GetOpenFileNameA");
}

}  // namespace

bool AskFilePath(HWND owner, bool save, const FileDialogKind& kind, const std::string& folder,
                 std::string& path) {
  char chosen[kPathChars] = {};
  lstrcpynA(chosen, path.c_str(), kPathChars);
  OPENFILENAMEA dialog{};
  // The structure without the fields added in Windows 2000: 76 bytes.
  dialog.lStructSize = OPENFILENAME_SIZE_VERSION_400A;
  dialog.hwndOwner = owner;
  dialog.hInstance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(owner, GWLP_HINSTANCE));
  dialog.lpstrFilter = kind.filter;
  dialog.nFilterIndex = 1;
  dialog.lpstrFile = chosen;
  dialog.nMaxFile = kPathChars;
  dialog.lpstrInitialDir = folder.c_str();
  dialog.lpstrTitle = kind.title;
  dialog.Flags = kind.flags;
  dialog.lpstrDefExt = kind.defaultExtension;
  const FileDialogFunction ask = FileDialogEntry(save);
  if (!ask || !ask(&dialog)) return false;
  path = chosen;
  return true;
}
