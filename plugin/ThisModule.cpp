#include "ThisModule.h"

HMODULE ThisModule() {
  HMODULE module = nullptr;
  GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                     reinterpret_cast<LPCSTR>(&ThisModule), &module);
  return module;
}

std::string PathBesideModule(const char* fileName) {
  char path[MAX_PATH] = {};
  const DWORD length = GetModuleFileNameA(ThisModule(), path, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return fileName;
  std::string folder(path, length);
  const std::string::size_type slash = folder.find_last_of("\\/");
  folder.erase(slash == std::string::npos ? 0 : slash + 1);
  return folder + fileName;
}
