#include "ui/ToolTip.h"

namespace {

// Wide enough for a few names per line; a longer line wraps.
constexpr int kMaxTipWidth = 480;

TOOLINFOA ToolOf(HWND window, UINT id) {
  TOOLINFOA tool{};
  tool.cbSize = sizeof tool;
  tool.hwnd = window;
  tool.uId = id;
  return tool;
}

}  // namespace

ToolTip::~ToolTip() { Destroy(); }

bool ToolTip::Create(HWND window) {
  Destroy();
  hwnd = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr,
                         WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT, CW_USEDEFAULT,
                         CW_USEDEFAULT, CW_USEDEFAULT, window, nullptr, nullptr, nullptr);
  if (!hwnd) return false;
  SendMessageA(hwnd, TTM_SETMAXTIPWIDTH, 0, kMaxTipWidth);
  return true;
}

void ToolTip::Destroy() {
  if (hwnd && IsWindow(hwnd)) DestroyWindow(hwnd);
  hwnd = nullptr;
}

void ToolTip::AddTool(HWND window, UINT id) const {
  TOOLINFOA tool = ToolOf(window, id);
  tool.lpszText = LPSTR_TEXTCALLBACKA;
  SendMessageA(hwnd, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
}

void ToolTip::MoveTool(HWND window, UINT id, const RECT& area) const {
  TOOLINFOA tool = ToolOf(window, id);
  tool.rect = area;
  SendMessageA(hwnd, TTM_NEWTOOLRECTA, 0, reinterpret_cast<LPARAM>(&tool));
}

void ToolTip::Relay(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) const {
  if (!hwnd) return;
  MSG message{window, msg, wParam, lParam, 0, {}};
  SendMessageA(hwnd, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&message));
}

bool ToolTip::IsFormatQuery(UINT msg, WPARAM wParam) const {
  return hwnd && msg == WM_NOTIFYFORMAT && reinterpret_cast<HWND>(wParam) == hwnd;
}

bool ToolTip::IsTextRequest(LPARAM notification) const {
  const auto* header = reinterpret_cast<const NMHDR*>(notification);
  return hwnd && header && header->hwndFrom == hwnd && header->code == TTN_GETDISPINFOA;
}

void ToolTip::Answer(LPARAM notification, const std::string& text) {
  auto* request = reinterpret_cast<NMTTDISPINFOA*>(notification);
  request->hinst = nullptr;
  request->szText[0] = '\0';
  request->lpszText = const_cast<char*>(text.c_str());
}
