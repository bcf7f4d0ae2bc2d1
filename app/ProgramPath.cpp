#include "app/ProgramPath.h"

#include <windows.h>

namespace {
constexpr DWORD kPathChars = 1024;
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
