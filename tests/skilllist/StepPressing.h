#pragma once

// Mouse input on the skill list's step cells, posted and handled as the
// user's own would be, and the clocks and counters the press tests read.

#include <windows.h>

#include <functional>

#include "data/GameDatabase.h"
#include "skilllist/ColumnTable.h"
#include "tests/skilllist/ListHost.h"

inline constexpr int kZeroColumn = kColumnFirstStep + Zero;
inline constexpr int kDownColumn = kColumnFirstStep + Down;
inline constexpr int kUpColumn = kColumnFirstStep + Up;
inline constexpr int kMaxColumn = kColumnFirstStep + Max;
inline constexpr double kRepeatMilliseconds = 300;

// Milliseconds since construction, from the performance counter.
class Stopwatch {
 public:
  Stopwatch() { QueryPerformanceCounter(&start); }
  double Elapsed() const {
    LARGE_INTEGER now, frequency;
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(now.QuadPart - start.QuadPart) /
           static_cast<double>(frequency.QuadPart);
  }

 private:
  LARGE_INTEGER start;
};

// On a step cell's image: a few pixels right of the cell's left edge, mid-height.
inline POINT ImagePoint(HWND list, int row, int column) {
  RECT cell{};
  cell.top = column;
  cell.left = LVIR_BOUNDS;
  SendMessageA(list, LVM_GETSUBITEMRECT, row, reinterpret_cast<LPARAM>(&cell));
  return POINT{cell.left + 5, (cell.top + cell.bottom) / 2};
}

// Posts one mouse message with the button held (released for WM_LBUTTONUP)
// and handles everything waiting.
inline void Mouse(HWND list, UINT msg, POINT point) {
  PostMessageA(list, msg, msg == WM_LBUTTONUP ? 0 : MK_LBUTTON, MAKELPARAM(point.x, point.y));
  PumpMessages();
}

inline void ClickAt(HWND list, POINT point) {
  Mouse(list, WM_LBUTTONDOWN, point);
  Mouse(list, WM_LBUTTONUP, point);
}

// Handles messages as they come for the given time, calling watch after each.
inline void PumpFor(double milliseconds, const std::function<void()>& watch = nullptr) {
  const Stopwatch clock;
  while (clock.Elapsed() < milliseconds) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 2, QS_ALLINPUT);
    PumpMessages();
    if (watch) watch();
  }
}

inline int LevelOf(const GameDatabase& plan, int row) {
  SkillEntry entry;
  return plan.CopyRowEntry(row, entry) ? entry.level : -1;
}
