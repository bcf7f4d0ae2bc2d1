#include "CharacterWindow.h"

#include <cstring>

#include "ThisModule.h"

namespace {

constexpr char kClassName[] = "VexaCharWindow";
constexpr char kInitialTitle[] = "VexaChar";
constexpr int kWidth = 200;
constexpr int kHeight = 100;
constexpr COLORREF kBackColor = RGB(192, 224, 255);
constexpr COLORREF kTextColor = RGB(0, 0, 128);
constexpr int kMargin = 8;

bool RegisterWindowClass(WNDPROC procedure) {
  WNDCLASSEXA windowClass = {};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = ThisModule();
  windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
  windowClass.lpszClassName = kClassName;
  return RegisterClassExA(&windowClass) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

// user32's formatter: the C library's would bring a printf of its own into the
// plug-in. The longest line, "Job slot: -2147483648", fits.
void FormatValue(char (&line)[64], const char* label, int value) {
  if (value < 0)
    wsprintfA(line, "%s: none", label);
  else
    wsprintfA(line, "%s: %d", label, value);
}

}  // namespace

CharacterWindow::~CharacterWindow() { Destroy(); }

bool CharacterWindow::Create(HWND owner, POINT position) {
  if (window || !RegisterWindowClass(&Procedure)) return false;
  // WS_POPUP keeps it top-level even with an owner; no system menu, so the
  // user cannot close what the program still holds.
  window =
      CreateWindowExA(WS_EX_TOOLWINDOW, kClassName, kInitialTitle, WS_POPUP | WS_CAPTION,
                      position.x, position.y, kWidth, kHeight, owner, nullptr, ThisModule(), this);
  if (!window) UnregisterClassA(kClassName, ThisModule());
  return window != nullptr;
}

bool CharacterWindow::Destroy() {
  const bool hadWindow = window != nullptr;
  if (hadWindow) DestroyWindow(window);
  window = nullptr;
  // The class points into this module: it must not outlive the window (even
  // one its owner took down), or a later load at another address would find
  // a stale procedure.
  UnregisterClassA(kClassName, ThisModule());
  return hadWindow;
}

void CharacterWindow::SetCharacterType(int type) {
  characterType = type;
  Repaint();
}

void CharacterWindow::SetJobSlot(int slot) {
  jobSlot = slot;
  Repaint();
}

void CharacterWindow::Repaint() const {
  if (window) InvalidateRect(window, nullptr, TRUE);
}

void CharacterWindow::Paint(HDC dc, const RECT& client) const {
  HBRUSH background = CreateSolidBrush(kBackColor);
  FillRect(dc, &client, background);
  DeleteObject(background);

  HGDIOBJ oldFont = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
  const COLORREF oldColor = SetTextColor(dc, kTextColor);
  const int oldMode = SetBkMode(dc, TRANSPARENT);
  TEXTMETRICA metrics = {};
  GetTextMetricsA(dc, &metrics);
  char line[64];
  FormatValue(line, "Type", characterType);
  TextOutA(dc, kMargin, kMargin, line, static_cast<int>(std::strlen(line)));
  FormatValue(line, "Job slot", jobSlot);
  TextOutA(dc, kMargin, kMargin + metrics.tmHeight + metrics.tmExternalLeading, line,
           static_cast<int>(std::strlen(line)));
  SetBkMode(dc, oldMode);
  SetTextColor(dc, oldColor);
  SelectObject(dc, oldFont);
}

LRESULT CALLBACK CharacterWindow::Procedure(HWND window, UINT message, WPARAM wParam,
                                            LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* self = reinterpret_cast<CharacterWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  switch (message) {
    // Painted whole in WM_PAINT, so no flicker from a separate erase.
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC dc = BeginPaint(window, &paint);
      RECT client;
      GetClientRect(window, &client);
      if (self) self->Paint(dc, client);
      EndPaint(window, &paint);
      return 0;
    }
    // Only VexaChar_Delete ends the window; Alt+F4 on it does nothing.
    case WM_CLOSE:
      return 0;
    // Destroyed with its owner: forget the handle so GetWnd answers null.
    case WM_NCDESTROY:
      if (self && self->window == window) self->window = nullptr;
      SetWindowLongPtrA(window, GWLP_USERDATA, 0);
      break;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}
