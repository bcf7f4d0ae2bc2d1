#pragma once

// A list view of another process: texts and cell rectangles are read through
// a buffer allocated in that process, and presses are sent as its mouse input.

#include <windows.h>

#include <commctrl.h>

#include <string>

#include "skilllist/ColumnTable.h"

class RemoteList {
 public:
  RemoteList(HANDLE process, HWND list)
      : process(process),
        list(list),
        buffer(VirtualAllocEx(process, nullptr, kBufferSize, MEM_COMMIT | MEM_RESERVE,
                              PAGE_READWRITE)) {}
  ~RemoteList() {
    if (buffer) VirtualFreeEx(process, buffer, 0, MEM_RELEASE);
  }
  RemoteList(const RemoteList&) = delete;
  RemoteList& operator=(const RemoteList&) = delete;

  HWND Hwnd() const { return list; }
  int RowCount() const { return static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0)); }

  std::string CellText(int row, int column) const {
    LVITEMA item{};
    item.iSubItem = column;
    item.pszText = static_cast<char*>(buffer) + sizeof item;
    item.cchTextMax = kBufferSize - static_cast<int>(sizeof item);
    WriteProcessMemory(process, buffer, &item, sizeof item, nullptr);
    SendMessageA(list, LVM_GETITEMTEXTA, row, reinterpret_cast<LPARAM>(buffer));
    char text[256] = {};
    ReadProcessMemory(process, item.pszText, text, sizeof text - 1, nullptr);
    return text;
  }
  std::string LevelText(int row) const { return CellText(row, kColumnSkillLevel); }

  // A point on the step cell's image: a few pixels right of its left edge, mid-height.
  POINT ImagePoint(int row, int column) const {
    RECT cell{LVIR_BOUNDS, column, 0, 0};
    WriteProcessMemory(process, buffer, &cell, sizeof cell, nullptr);
    SendMessageA(list, LVM_GETSUBITEMRECT, row, reinterpret_cast<LPARAM>(buffer));
    ReadProcessMemory(process, buffer, &cell, sizeof cell, nullptr);
    return POINT{cell.left + 5, (cell.top + cell.bottom) / 2};
  }

  // Button presses as the list sees them; both return once the program has
  // handled them (the press with its immediate step, the release with its
  // worker stopped). The pointer is put on the pressed point first, so that
  // no real mouse move ends the press.
  void Press(POINT point) const {
    POINT screen = point;
    ClientToScreen(list, &screen);
    SetCursorPos(screen.x, screen.y);
    SendMessageA(list, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(point.x, point.y));
  }
  void Release(POINT point) const {
    SendMessageA(list, WM_LBUTTONUP, 0, MAKELPARAM(point.x, point.y));
  }
  void Click(int row, int column) const {
    const POINT point = ImagePoint(row, column);
    Press(point);
    Release(point);
  }

 private:
  static constexpr int kBufferSize = 4096;

  HANDLE process;
  HWND list;
  void* buffer;
};
