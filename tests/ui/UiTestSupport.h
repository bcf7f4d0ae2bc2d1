#pragma once
// What the window tests share: a test dialog that routes drawing to the
// control objects as the main window does, and a canvas to read pixels from.
#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <map>
#include <vector>

#include "UiTestIds.h"
#include "ui/ButtonBase.h"
#include "ui/DialogBase.h"
#include "ui/StaticText.h"

// Main window colours and the shades of its back colour.
inline constexpr COLORREF kTextColor = 0x800000, kBackColor = 0xFFE0C0, kFrameColor = 0xB00040;
inline constexpr COLORREF kLight = RGB(224, 240, 255), kLighter = RGB(240, 248, 255);
inline constexpr COLORREF kDark = RGB(96, 112, 127), kDarker = RGB(48, 56, 63);

inline HINSTANCE TestModule() { return GetModuleHandleA(nullptr); }

// Dispatches every waiting message until the queue stays empty a while.
inline void PumpUntilIdle() {
  for (int quietRounds = 0; quietRounds < 3; Sleep(10)) {
    MSG msg;
    bool any = false;
    for (; PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE); any = true) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
    quietRounds = any ? 0 : quietRounds + 1;
  }
}

// Styles a control the way the main window does.
inline void ApplyMainWindowLook(ControlBase& control) {
  control.SetTextColor(kTextColor, false);
  control.SetBackColor(kBackColor, false);
  control.SetFaceName("MS UI Gothic", false);
  control.SetHeight(12, false);
}

// A dialog from the test templates that hands WM_DRAWITEM and
// WM_CTLCOLORSTATIC to the control objects, and records every BN_CLICKED with
// the control's check state at that moment.
class TestDialog : public DialogBase {
 public:
  using Clicks = std::vector<std::pair<int, LRESULT>>;
  explicit TestDialog(WORD templateId) : DialogBase(TestModule(), nullptr, templateId) {}
  ~TestDialog() override {
    if (Hwnd()) DestroyWindow(Hwnd());
  }
  // Opens the dialog modeless and shown.
  bool Open() {
    if (Run(false, true) != 0) return false;
    PumpUntilIdle();
    return true;
  }
  HWND Item(int id) const { return GetDlgItem(Hwnd(), id); }
  void Attach(ControlBase& control, int id) {
    control.Attach(Item(id));
    ApplyMainWindowLook(control);
    if (auto* button = dynamic_cast<ButtonBase*>(&control)) buttons[id] = button;
    if (auto* text = dynamic_cast<StaticText*>(&control)) staticText = text;
  }
  void OnInitDialog() override {
    DialogBase::OnInitDialog();
    if (onInit) onInit(Hwnd());
  }
  LRESULT WindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) override {
    if (msg == WM_DRAWITEM && buttons.count(static_cast<int>(wParam)))
      return buttons[static_cast<int>(wParam)]->DrawItem(
          *reinterpret_cast<DRAWITEMSTRUCT*>(lParam));
    if (msg == WM_CTLCOLORSTATIC && staticText &&
        reinterpret_cast<HWND>(lParam) == staticText->Hwnd())
      return reinterpret_cast<LRESULT>(staticText->OnCtlColor(reinterpret_cast<HDC>(wParam)));
    if (msg == WM_COMMAND && HIWORD(wParam) == BN_CLICKED && lParam)
      clicks.emplace_back(LOWORD(wParam),
                          SendMessageA(reinterpret_cast<HWND>(lParam), BM_GETCHECK, 0, 0));
    return DialogBase::WindowProc(window, msg, wParam, lParam);
  }

  Clicks clicks;
  std::function<void(HWND)> onInit;

 private:
  std::map<int, ButtonBase*> buttons;
  StaticText* staticText = nullptr;
};

inline SIZE ClientSize(HWND window) {
  RECT client{};
  GetClientRect(window, &client);
  return {client.right, client.bottom};
}

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
  // the colour, or with same false every other pixel; empty when none.
  RECT Bounds(COLORREF color, bool same = true, RECT area = {}) const {
    if (IsRectEmpty(&area)) area = {0, 0, width, height};
    RECT bounds{};
    for (int y = area.top; y < area.bottom; ++y)
      for (int x = area.left; x < area.right; ++x)
        if ((Pixel(x, y) == color) == same) {
          const RECT point{x, y, x + 1, y + 1};
          UnionRect(&bounds, &bounds, &point);
        }
    return bounds;
  }
  bool Holds(COLORREF color) const {
    const RECT bounds = Bounds(color);
    return !IsRectEmpty(&bounds);
  }
  // How many pixels of column x differ from other's.
  int ChangedInColumn(const Canvas& other, int x) const {
    int changed = 0;
    for (int y = 0; y < height; ++y) changed += Pixel(x, y) != other.Pixel(x, y);
    return changed;
  }

  const int width, height;
  const HDC dc;

 private:
  HBITMAP bitmap;
  HGDIOBJ previousBitmap;
};

struct PixelRule {
  int x, y;
  COLORREF color;
};
using PixelRules = std::vector<PixelRule>;

// Checks every rule; a failure names the case and the row.
inline void ExpectPixels(const Canvas& canvas, const PixelRules& rules, const char* what) {
  for (size_t row = 0; row < rules.size(); ++row)
    EXPECT_EQ(canvas.Pixel(rules[row].x, rules[row].y), rules[row].color)
        << what << ", row " << row << ": (" << rules[row].x << ", " << rules[row].y << ")";
}
