#include "app/DpiAwareness.h"

#include <windows.h>

#include "app/OperatingSystem.h"

namespace {

using SetContextFunction = BOOL(WINAPI*)(HANDLE);
using SetAwarenessFunction = HRESULT(WINAPI*)(int);
using SetAwareFunction = BOOL(WINAPI*)();

// DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2 and _PER_MONITOR_AWARE.
const HANDLE kPerMonitorV2 = reinterpret_cast<HANDLE>(static_cast<INT_PTR>(-4));
const HANDLE kPerMonitor = reinterpret_cast<HANDLE>(static_cast<INT_PTR>(-3));
// PROCESS_PER_MONITOR_DPI_AWARE of Windows 8.1's shell scaling library.
constexpr int kProcessPerMonitorAware = 2;

// True when the awareness is set now or was already set (by the manifest).
bool Taken(BOOL done) { return done || GetLastError() == ERROR_ACCESS_DENIED; }

}  // namespace

void DeclareDpiAwareness() {
  // Windows 10 (1703) and later know v2; 1607 and Wine know only the others.
  if (const auto setContext = User32Entry<SetContextFunction>("SetProcessDpiAwarenessContext"))
    if (Taken(setContext(kPerMonitorV2)) || Taken(setContext(kPerMonitor))) return;
  // Windows 8.1: loaded only there, since later systems answered above.
  if (const auto setAwareness = LibraryEntry<SetAwarenessFunction>(LoadSystemLibrary("shcore.dll"),
                                                                   "SetProcessDpiAwareness"))
    if (SUCCEEDED(setAwareness(kProcessPerMonitorAware))) return;
  if (const auto setAware = User32Entry<SetAwareFunction>("SetProcessDPIAware")) setAware();
}
