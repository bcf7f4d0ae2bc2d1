#pragma once

// Reading the recording plug-in's VexaChar.log.

#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

// The calls logged, without the GetWnd queries, whose number depends on how
// often the window moved.
inline std::vector<std::string> CallsBesidesGetWnd(const std::vector<std::string>& lines) {
  std::vector<std::string> calls;
  for (const std::string& line : lines)
    if (line != "VexaChar_GetWnd()") calls.push_back(line);
  return calls;
}

// A window handle as the plug-in logs it.
inline std::string LoggedHandle(HWND window) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%08X", static_cast<unsigned>(reinterpret_cast<UINT_PTR>(window)));
  return text;
}
