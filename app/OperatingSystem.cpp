#include "app/OperatingSystem.h"

namespace {

constexpr DWORD kPathChars = 1024;

struct ShellDrop {
  decltype(&DragQueryFileA) query = nullptr;
  decltype(&DragFinish) finish = nullptr;
};

const ShellDrop& Shell() {
  static const ShellDrop entries = [] {
    const HMODULE library = LoadSystemLibrary("shell32.dll");
    return ShellDrop{LibraryEntry<decltype(&DragQueryFileA)>(library, "DragQueryFileA"),
                     LibraryEntry<decltype(&DragFinish)>(library, "DragFinish")};
  }();
  return entries;
}

}  // namespace

std::string ProgramPath() {
  char path[kPathChars] = {};
  GetModuleFileNameA(nullptr, path, kPathChars);
  return path;
}

std::string ProgramFolder() {
  const std::string path = ProgramPath();
  return path.substr(0, path.rfind('\\') + 1);
}

HMODULE LoadSystemLibrary(const char* fileName) {
  char folder[MAX_PATH] = {};
  const UINT length = GetSystemDirectoryA(folder, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return nullptr;
  return LoadLibraryA((std::string(folder, length) + "\\" + fileName).c_str());
}

bool TakeFirstDroppedFile(HDROP drop, std::string& path) {
  path.clear();
  const ShellDrop& shell = Shell();
  if (!drop || !shell.query || !shell.finish) return false;
  // Asked for its length first: a path may be longer than MAX_PATH.
  const UINT length = shell.query(drop, 0, nullptr, 0);
  if (length > 0) {
    path.assign(length + 1, '\0');
    path.resize(shell.query(drop, 0, &path[0], length + 1));
  }
  shell.finish(drop);
  return !path.empty();
}
