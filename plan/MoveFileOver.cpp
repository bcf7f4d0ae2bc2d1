#include "plan/MoveFileOver.h"

// The one platform seam of the core: Windows' rename refuses an existing
// target, so it needs its own call.
#ifdef _WIN32
#define WIN32_LEAN_AND_MEAN
#include <windows.h>

bool MoveFileOver(const std::string& source, const std::string& target) {
  return MoveFileExA(source.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING) != 0;
}
#else
#include <cstdio>

bool MoveFileOver(const std::string& source, const std::string& target) {
  return std::rename(source.c_str(), target.c_str()) == 0;
}
#endif
