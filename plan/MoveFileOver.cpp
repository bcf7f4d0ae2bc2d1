#include "plan/MoveFileOver.h"

#include <cstdio>

#include "data/FileBytes.h"

// The one platform seam of the core: Windows' rename refuses an existing
// target, so it needs its own call.
#ifdef _WIN32
#define WIN32_LEAN_AND_MEAN
#include <windows.h>

bool MoveFileOver(const std::string& source, const std::string& target) {
  return MoveFileExA(source.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING) != 0;
}
#else
bool MoveFileOver(const std::string& source, const std::string& target) {
  return std::rename(source.c_str(), target.c_str()) == 0;
}
#endif

bool ReplaceFileBytes(const std::string& path, std::string_view bytes) {
  const std::string temporary = path + ".tmp";
  if (!WriteFileBytes(temporary, bytes)) return false;
  if (MoveFileOver(temporary, path)) return true;
  std::remove(temporary.c_str());
  return false;
}
