#include "ThisModule.h"

#include <cstring>

HMODULE ThisModule() {
  HMODULE module = nullptr;
  GetModuleHandleExA(
      GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
      reinterpret_cast<LPCSTR>(&ThisModule), &module);
  return module;
}

bool PathBesideModule(const char* fileName, char (&path)[MAX_PATH]) {
  const DWORD length = GetModuleFileNameA(ThisModule(), path, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return false;
  std::size_t folder = length;
  while (folder > 0 && path[folder - 1] != '\\' && path[folder - 1] != '/') --folder;
  const std::size_t nameLength = std::strlen(fileName);
  if (folder + nameLength >= MAX_PATH) return false;
  std::memcpy(path + folder, fileName, nameLength + 1);
  return true;
}
