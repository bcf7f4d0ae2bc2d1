#pragma once

// What the window tests and benchmarks share: message pumps, a dialog that
// hosts control objects as the main window does, and a canvas of pixels.

#include <windows.h>

#include <functional>
#include <map>
#include <utility>
#include <vector>

#include "res/ControlIds.h"
#include "res/Palette.h"
#include "skilllist/ListMessages.h"
#include "ui/ControlBase.h"
#include "ui/DialogBase.h"

// The main window's text and back colours.
inline constexpr COLORREF kTextColor = palette::kTextColor, kBackColor = palette::kBackColor;

// Handles every message that is waiting, so that painting is done.
inline void PumpMessages() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

// Handles messages as they come until done answers true; false after a time
// generous enough for a busy machine.
inline bool PumpUntil(const std::function<bool()>& done, DWORD milliseconds = 10000) {
  for (const DWORD start = GetTickCount(); !done(); PumpMessages()) {
    if (GetTickCount() - start >= milliseconds) return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
  }
  return true;
}

// A modeless dialog of this module's template hosting control objects as the main
// window does, in its colours and font. It records each BN_CLICKED with the
// control's check state then, counts colour requests and shows the total.
class HostDialog : public DialogBase {
 public:
  explicit HostDialog(WORD templateId)
      : DialogBase(GetModuleHandleA(nullptr), nullptr, templateId) {}
  ~HostDialog() override { End(0); }

  bool Open() { return Run(false, true) == 0; }
  HWND Item(int id) const { return GetDlgItem(Hwnd(), id); }
  void Attach(ControlBase& control, int id) const {
    control.Attach(Item(id));
    control.SetTextColor(kTextColor, false);
    control.SetBackColor(kBackColor, false);
    control.SetFaceAndHeight("MS UI Gothic", 12, false);
  }
  LRESULT WindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) override {
    switch (msg) {
      case WM_CTLCOLORSTATIC:
        ++colorRequests[reinterpret_cast<HWND>(lParam)];
        break;
      case WM_COMMAND:
        if (HIWORD(wParam) == BN_CLICKED && lParam)
          clicks.emplace_back(LOWORD(wParam),
                              SendMessageA(reinterpret_cast<HWND>(lParam), BM_GETCHECK, 0, 0));
        break;
      case WM_APP_REFRESH_TOTAL:
        if (total) SetDlgItemInt(window, IDC_TOTAL_LABEL, total(), TRUE);
        return TRUE;
    }
    return DialogBase::WindowProc(window, msg, wParam, lParam);
  }

  std::vector<std::pair<int, LRESULT>> clicks;
  std::map<HWND, int> colorRequests;
  std::function<int()> total;
};

// A 32-bit memory bitmap with a DC: controls draw into it, or a window's
// client area is copied into it from the screen.
class Canvas {
 public:
  Canvas(int width, int height) : width(width), height(height), dc(CreateCompatibleDC(nullptr)) {
    BITMAPINFO info{{sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0}, {}};
    void* bits = nullptr;
    previousBitmap = SelectObject(dc, CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, 0, 0));
  }
  explicit Canvas(HWND window) : Canvas(ClientSize(window).cx, ClientSize(window).cy) {
    HDC screen = GetDC(window);
    BitBlt(dc, 0, 0, width, height, screen, 0, 0, SRCCOPY);
    ReleaseDC(window, screen);
  }
  ~Canvas() {
    DeleteObject(SelectObject(dc, previousBitmap));
    DeleteDC(dc);
  }
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;

  COLORREF Pixel(int x, int y) const { return GetPixel(dc, x, y); }
  // Over an area (all when empty): how many pixels have the colour, how many
  // differ on another canvas, and the smallest rectangle holding those of the
  // colour (with same false, all others; empty when none).
  int Count(COLORREF color, RECT area = {}) const {
    return Visit(area, [&](int x, int y) { return Pixel(x, y) == color; }).second;
  }
  int Differences(const Canvas& other, RECT area = {}) const {
    return Visit(area, [&](int x, int y) { return Pixel(x, y) != other.Pixel(x, y); }).second;
  }
  RECT Bounds(COLORREF color, bool same = true, RECT area = {}) const {
    return Visit(area, [&](int x, int y) { return (Pixel(x, y) == color) == same; }).first;
  }

  const int width, height;
  const HDC dc;

 private:
  // The bounds and the number of the area's pixels that match.
  template <typename Match>
  std::pair<RECT, int> Visit(RECT area, Match match) const {
    if (IsRectEmpty(&area)) area = {0, 0, width, height};
    std::pair<RECT, int> found{};
    for (int y = area.top; y < area.bottom; ++y)
      for (int x = area.left; x < area.right; ++x)
        if (match(x, y)) {
          const RECT point{x, y, x + 1, y + 1};
          UnionRect(&found.first, &found.first, &point);
          ++found.second;
        }
    return found;
  }
  static SIZE ClientSize(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    return {client.right, client.bottom};
  }

  HGDIOBJ previousBitmap;
};
