#include "CharacterWindow.h"

#include "RankLabel.h"
#include "ThisModule.h"

namespace {

constexpr char kClassName[] = "VexaCharWindow";
constexpr char kInitialTitle[] = "VexaChar";
constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = WS_EX_TOOLWINDOW;
constexpr int kTypeCount = 8;

// The layout, in pixels: the emblem at the top left, the name beside its
// top, the rank beside its bottom. The program centres the pair by this width.
constexpr int kWidth = 200;
constexpr int kMargin = 8;
constexpr int kGap = 10;
constexpr int kNameHeight = 30;
constexpr int kRankHeight = 16;

bool RegisterWindowClass(WNDPROC procedure) {
  WNDCLASSEXA windowClass = {};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = ThisModule();
  windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
  windowClass.lpszClassName = kClassName;
  return RegisterClassExA(&windowClass) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

// The window's full height for a client area that holds the emblem.
int WindowHeight(int emblemSide) {
  RECT frame = {0, 0, kWidth, 2 * kMargin + emblemSide};
  AdjustWindowRectEx(&frame, kStyle, FALSE, kExStyle);
  return frame.bottom - frame.top;
}

HWND CreateText(HWND parent, int left, int top, int height, HFONT font) {
  RECT client;
  GetClientRect(parent, &client);
  HWND text = CreateWindowExA(
      0, "STATIC", "", WS_CHILD | WS_VISIBLE | SS_LEFTNOWORDWRAP | SS_NOPREFIX, left, top,
      client.right - left - kMargin, height, parent, nullptr, ThisModule(), nullptr);
  if (text) SendMessageA(text, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  return text;
}

}  // namespace

CharacterWindow::~CharacterWindow() { Destroy(); }

bool CharacterWindow::Create(HWND owner, POINT position) {
  if (window || !RegisterWindowClass(&Procedure)) return false;
  look.emplace(ThisModule());
  // WS_POPUP keeps it top-level even with an owner; no system menu, so the
  // user cannot close what the program still holds.
  window =
      CreateWindowExA(kExStyle, kClassName, kInitialTitle, kStyle, position.x, position.y, kWidth,
                      WindowHeight(look->EmblemSide()), owner, nullptr, ThisModule(), this);
  if (!window) {
    look.reset();
    UnregisterClassA(kClassName, ThisModule());
  }
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
  ShowTexts();
  Repaint();
}

void CharacterWindow::SetJobSlot(int slot) {
  jobSlot = slot;
  ShowTexts();
}

void CharacterWindow::CreateTexts() {
  const int side = look->EmblemSide();
  const int left = kMargin + side + kGap;
  nameText = CreateText(window, left, kMargin, kNameHeight, look->NameFont());
  rankText = CreateText(window, left, kMargin + side - kRankHeight, kRankHeight, look->RankFont());
}

bool CharacterWindow::ShowsCharacter() const {
  return characterType >= 0 && characterType < kTypeCount;
}

// The name is the window's own title, which the program sets to the type's
// name in the data file; nothing shows while no type is told. The texts are
// made when the first type is told: the program starts without one, and its
// start-up waits on every window made before its first picture.
void CharacterWindow::ShowTexts() {
  if (!window) return;
  if (!nameText) {
    if (!ShowsCharacter()) return;
    CreateTexts();
  }
  char name[64] = "";
  char rank[kRankLabelSize] = "";
  if (ShowsCharacter()) {
    GetWindowTextA(window, name, sizeof name);
    RankLabel(characterType, jobSlot, rank);
  }
  SetWindowTextA(nameText, name);
  SetWindowTextA(rankText, rank);
}

void CharacterWindow::Repaint() const {
  if (window) InvalidateRect(window, nullptr, FALSE);
}

void CharacterWindow::Paint(HDC dc, const RECT& client) const {
  FillRect(dc, &client, look->BackBrush());
  if (ShowsCharacter()) look->DrawEmblem(dc, characterType, kMargin, kMargin);
}

LRESULT CALLBACK CharacterWindow::Procedure(HWND window, UINT message, WPARAM wParam,
                                            LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* self = reinterpret_cast<CharacterWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (!self) return DefWindowProcA(window, message, wParam, lParam);
  switch (message) {
    // The program retitles the window with the type's name.
    case WM_SETTEXT: {
      const LRESULT result = DefWindowProcA(window, message, wParam, lParam);
      if (self->window == window) self->ShowTexts();
      return result;
    }
    case WM_CTLCOLORSTATIC: {
      const auto dc = reinterpret_cast<HDC>(wParam);
      SetTextColor(dc, reinterpret_cast<HWND>(lParam) == self->rankText ? kFrameColor : kTextColor);
      SetBkColor(dc, kBackColor);
      return reinterpret_cast<LRESULT>(self->look->BackBrush());
    }
    // Painted whole in WM_PAINT, so no flicker from a separate erase.
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC dc = BeginPaint(window, &paint);
      RECT client;
      GetClientRect(window, &client);
      self->Paint(dc, client);
      EndPaint(window, &paint);
      return 0;
    }
    // Only VexaChar_Delete ends the window; Alt+F4 on it does nothing.
    case WM_CLOSE:
      return 0;
    // Destroyed with its owner: forget the handles so GetWnd answers null;
    // the texts are gone already, so their fonts can go.
    case WM_NCDESTROY:
      if (self->window == window) self->window = nullptr;
      self->nameText = self->rankText = nullptr;
      self->look.reset();
      SetWindowLongPtrA(window, GWLP_USERDATA, 0);
      break;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}
