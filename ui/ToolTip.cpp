#include "ui/ToolTip.h"

#include "ui/DpiScale.h"

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

void ToolTip::Prepare(HWND window) {
  Destroy();
  owner = window;
}

bool ToolTip::Make() {
  if (hwnd) return true;
  if (!owner) return false;
  hwnd = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr,
                         WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT, CW_USEDEFAULT,
                         CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr, nullptr, nullptr);
  if (!hwnd) return false;
  FollowOwnerDpi();
  for (const Tool& each : tools) Register(each);
  return true;
}

void ToolTip::FollowOwnerDpi() {
  const DpiScale scale = DpiScale::Of(owner);
  SendMessageA(hwnd, TTM_SETMAXTIPWIDTH, 0, scale(kMaxTipWidth));
  if (scale == DpiScale::OfSystem()) return;
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  // The tip's own font is the system's status font at the system's DPI; the system
  // gives it for another DPI only in the wide form.
  if (!SystemMetricsForDpi(metrics, scale)) return;
  font.Reset(CreateFontIndirectW(&metrics.lfStatusFont));
  SendMessageA(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font.Get()), FALSE);
}

void ToolTip::Register(const Tool& added) const {
  TOOLINFOA tool = ToolOf(added.window, added.id);
  tool.lpszText = LPSTR_TEXTCALLBACKA;
  tool.rect = added.area;
  SendMessageA(hwnd, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
}

void ToolTip::Destroy() {
  if (hwnd && IsWindow(hwnd)) DestroyWindow(hwnd);
  hwnd = nullptr;
  owner = nullptr;
  tools.clear();
}

void ToolTip::AddTool(HWND window, UINT id) {
  tools.push_back(Tool{window, id, RECT{}});
  if (hwnd) Register(tools.back());
}

void ToolTip::MoveTool(HWND window, UINT id, const RECT& area) {
  for (Tool& each : tools)
    if (each.window == window && each.id == id) each.area = area;
  if (!hwnd) return;
  TOOLINFOA tool = ToolOf(window, id);
  tool.rect = area;
  SendMessageA(hwnd, TTM_NEWTOOLRECTA, 0, reinterpret_cast<LPARAM>(&tool));
}

void ToolTip::Relay(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (!Make()) return;
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
