#include "app/DroppedFile.h"

#include "app/SystemLibrary.h"

namespace {

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
