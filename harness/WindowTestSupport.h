#pragma once

// What the window tests and benchmarks share: message pumps, a dialog that
// hosts control objects the way the main window does, and a canvas to read
// pixels from.

#include <windows.h>

#include <functional>
#include <map>
#include <utility>
#include <vector>

#include "res/ControlIds.h"
#include "skilllist/ListMessages.h"
#include "ui/ButtonBase.h"
#include "ui/DialogBase.h"
#include "ui/StaticText.h"

// The main window's text and back colours.
inline constexpr COLORREF kTextColor = 0x800000, kBackColor = 0xFFE0C0;

// Handles every message that is waiting, so that painting is done.
inline void PumpMessages() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

// Milliseconds from the performance counter.
inline double Now() {
  LARGE_INTEGER now, frequency;
  QueryPerformanceCounter(&now);
  QueryPerformanceFrequency(&frequency);
  return 1000.0 * static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// Handles messages as they come for the given time, calling watch after each round.
inline void PumpFor(double milliseconds, const std::function<void()>& watch = nullptr) {
  for (const double end = Now() + milliseconds; Now() < end;) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 2, QS_ALLINPUT);
    PumpMessages();
    if (watch) watch();
  }
}

// Handles messages until the queue stays empty a while (posted repaints included).
inline void PumpUntilIdle() {
  for (int quietRounds = 0; quietRounds < 3; Sleep(10)) {
    MSG msg;
    const bool any = PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE);
    PumpMessages();
    quietRounds = any ? 0 : quietRounds + 1;
  }
}

// A modeless dialog from a template of this module that hosts control
// objects as the main window does: styled in its colours and font, each
// handed its WM_DRAWITEM, WM_CTLCOLORSTATIC and WM_NOTIFY. It records every
// BN_CLICKED with the control's check state at that moment and counts the
// colour requests of each control; given a total, it shows it on
// WM_APP_REFRESH_TOTAL.
class HostDialog : public DialogBase {
 public:
  using Clicks = std::vector<std::pair<int, LRESULT>>;
  explicit HostDialog(WORD templateId)
      : DialogBase(GetModuleHandleA(nullptr), nullptr, templateId) {}
  ~HostDialog() override {
    if (Hwnd()) DestroyWindow(Hwnd());
  }
  HostDialog(const HostDialog&) = delete;
  HostDialog& operator=(const HostDialog&) = delete;

  bool Open() {
    if (Run(false, true) != 0) return false;
    PumpUntilIdle();
    return true;
  }
  HWND Item(int id) const { return GetDlgItem(Hwnd(), id); }
  void Attach(ControlBase& control, int id) {
    control.Attach(Item(id));
    control.SetTextColor(kTextColor, false);
    control.SetBackColor(kBackColor, false);
    control.SetFaceName("MS UI Gothic", false);
    control.SetHeight(12, false);
    controls[id] = &control;
  }
  void OnInitDialog() override {
    DialogBase::OnInitDialog();
    if (onInit) onInit(Hwnd());
  }
  LRESULT WindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) override {
    switch (msg) {
      case WM_DRAWITEM:
        if (auto* button = dynamic_cast<ButtonBase*>(Control(static_cast<int>(wParam))))
          return button->DrawItem(*reinterpret_cast<DRAWITEMSTRUCT*>(lParam));
        break;
      case WM_CTLCOLORSTATIC:
        ++colorRequests[reinterpret_cast<HWND>(lParam)];
        if (auto* text =
                dynamic_cast<StaticText*>(Control(GetDlgCtrlID(reinterpret_cast<HWND>(lParam)))))
          return reinterpret_cast<LRESULT>(text->OnCtlColor(reinterpret_cast<HDC>(wParam)));
        break;
      case WM_NOTIFY: {
        const auto& header = *reinterpret_cast<const NMHDR*>(lParam);
        if (ControlBase* control = Control(static_cast<int>(header.idFrom)))
          return control->WindowProc(header.hwndFrom, msg, wParam, lParam);
        break;
      }
      case WM_COMMAND:
        if (HIWORD(wParam) == BN_CLICKED && lParam)
          clicks.emplace_back(LOWORD(wParam),
                              SendMessageA(reinterpret_cast<HWND>(lParam), BM_GETCHECK, 0, 0));
        break;
      case WM_APP_REFRESH_TOTAL:
        ++refreshTotalCount;
        if (total) SetDlgItemInt(window, IDC_TOTAL_LABEL, total(), TRUE);
        return TRUE;
    }
    return DialogBase::WindowProc(window, msg, wParam, lParam);
  }

  Clicks clicks;
  std::map<HWND, int> colorRequests;
  int refreshTotalCount = 0;
  std::function<void(HWND)> onInit;
  std::function<int()> total;

 private:
  ControlBase* Control(int id) const {
    const auto found = controls.find(id);
    return found != controls.end() ? found->second : nullptr;
  }

  std::map<int, ControlBase*> controls;
};

// A 32-bit memory bitmap with a DC: controls draw into it, or a window's
// client area is copied into it as it shows on the screen.
class Canvas {
 public:
  Canvas(int width, int height) : width(width), height(height), dc(CreateCompatibleDC(nullptr)) {
    BITMAPINFO info{{sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0}, {}};
    void* bits = nullptr;
    bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    previousBitmap = SelectObject(dc, bitmap);
  }
  explicit Canvas(HWND window) : Canvas(ClientSize(window).cx, ClientSize(window).cy) {
    HDC screen = GetDC(window);
    BitBlt(dc, 0, 0, width, height, screen, 0, 0, SRCCOPY);
    ReleaseDC(window, screen);
  }
  ~Canvas() {
    SelectObject(dc, previousBitmap);
    DeleteObject(bitmap);
    DeleteDC(dc);
  }
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;

  COLORREF Pixel(int x, int y) const { return GetPixel(dc, x, y); }
  // The smallest rectangle in area (all when empty) holding every pixel of
  // the colour, or with same false every other pixel, and how many there
  // are; an empty rectangle when none.
  std::pair<RECT, int> Ink(COLORREF color, bool same = true, RECT area = {}) const {
    if (IsRectEmpty(&area)) area = {0, 0, width, height};
    RECT bounds{};
    int count = 0;
    for (int y = area.top; y < area.bottom; ++y)
      for (int x = area.left; x < area.right; ++x)
        if ((Pixel(x, y) == color) == same) {
          const RECT point{x, y, x + 1, y + 1};
          UnionRect(&bounds, &bounds, &point);
          ++count;
        }
    return {bounds, count};
  }
  RECT Bounds(COLORREF color, bool same = true, RECT area = {}) const {
    return Ink(color, same, area).first;
  }
  int Count(COLORREF color, RECT area = {}) const { return Ink(color, true, area).second; }
  bool Holds(COLORREF color) const { return Count(color) > 0; }

  const int width, height;
  const HDC dc;

 private:
  static SIZE ClientSize(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    return {client.right, client.bottom};
  }

  HBITMAP bitmap;
  HGDIOBJ previousBitmap;
};
