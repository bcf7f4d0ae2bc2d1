#include "ui/ListRowTip.h"

#include <windowsx.h>

#include <commctrl.h>

namespace {
constexpr UINT kToolCount = 2;
}  // namespace

void ListRowTip::Prepare(HWND listWindow) {
  list = listWindow;
  row = -1;
  tip.Prepare(list);
  for (UINT id = 0; id < kToolCount; ++id) tip.AddTool(list, id);
}

void ListRowTip::Destroy() {
  tip.Destroy();
  list = nullptr;
}

void ListRowTip::OnMouse(UINT msg, WPARAM wParam, LPARAM lParam) {
  if (!list) return;
  if (msg == WM_MOUSEMOVE) {
    LVHITTESTINFO hit{};
    hit.pt = POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    SendMessageA(list, LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit));
    const int under = hit.iItem;
    if (under != row) {
      row = under;
      RECT area{};
      area.left = LVIR_BOUNDS;
      if (row < 0 || !SendMessageA(list, LVM_GETITEMRECT, row, reinterpret_cast<LPARAM>(&area)))
        area = RECT{};
      tip.MoveTool(list, tool, RECT{});
      tool = (tool + 1) % kToolCount;
      tip.MoveTool(list, tool, area);
    }
  }
  tip.Relay(list, msg, wParam, lParam);
}

bool ListRowTip::OnNotify(LPARAM notification,
                          const std::function<std::string(int row)>& textOfRow) {
  if (!tip.IsTextRequest(notification)) return false;
  text = textOfRow(row);
  ToolTip::Answer(notification, text);
  return true;
}
