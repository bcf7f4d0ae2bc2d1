#include "ui/CheckableButton.h"

#include <windowsx.h>

#include <algorithm>

#include "ui/GdiObject.h"

LRESULT CheckableButton::WindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_LBUTTONDOWN:
      mouseDown = true;
      break;
    case WM_LBUTTONUP:
      if (mouseDown) {
        POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        ClientToScreen(window, &point);
        RECT rect;
        GetWindowRect(window, &rect);
        if (PtInRect(&rect, point)) Toggle();
      }
      mouseDown = false;
      break;
    // The space bar acts as a click: the button's own procedure sends
    // BN_CLICKED on the release, after the state has changed here.
    case WM_KEYDOWN:
      if (wParam == VK_SPACE) spaceDown = true;
      break;
    case WM_KEYUP:
      if (wParam == VK_SPACE && spaceDown) {
        spaceDown = false;
        Toggle();
      }
      break;
    // The button's own procedure forgets a press when it loses the focus or
    // the capture, and then sends no BN_CLICKED; neither is the state changed.
    case WM_KILLFOCUS:
    case WM_CAPTURECHANGED:
      mouseDown = false;
      spaceDown = false;
      break;
  }
  return ButtonBase::WindowProc(window, msg, wParam, lParam);
}

void CheckableButton::Toggle() { SetCheck(GetCheck() ? 0 : 1); }

void CheckableButton::ResetColors() {
  boxColor = GetSysColor(COLOR_WINDOW);
  ButtonBase::ResetColors();
}

void CheckableButton::DrawFocus(HDC dc, const RECT& item, const RECT& label, SIZE textSize) const {
  const DpiScale scale = Scale();
  RECT focus;
  focus.left = label.left - scale(1);
  focus.top = label.top + (label.bottom - label.top - (textSize.cy + scale(2))) / 2;
  focus.bottom = focus.top + textSize.cy + scale(3);
  focus.right = std::min(focus.left + textSize.cx + scale(2), item.right);
  DrawFocusRect(dc, &focus);
}

OwnedPen CheckableButton::InkPen(bool enabled) const {
  return MakeSolidPen(Ink(enabled), Scale().Line());
}

COLORREF CheckableButton::DrawBackground(const DRAWITEMSTRUCT& item) const {
  OwnedBrush back = MakeSolidBrush(BackColor());
  FillRect(item.hDC, &item.rcItem, back.Get());
  return (item.itemState & (ODS_SELECTED | ODS_DISABLED)) ? BackColor() : boxColor;
}

void CheckableButton::DrawLabelFocusAndMark(const DRAWITEMSTRUCT& item, const RECT& box) {
  HDC dc = item.hDC;
  const bool enabled = !(item.itemState & ODS_DISABLED);
  const std::string text = Label();
  SIZE textSize{};
  GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &textSize);
  RECT label = item.rcItem;
  label.left = item.rcItem.left + Scale()(kLabelLeft);
  DrawLabel(dc, text.c_str(), label, DT_LEFT, enabled);
  if (item.itemState & ODS_FOCUS) DrawFocus(dc, item.rcItem, label, textSize);
  if (GetCheck()) DrawMark(dc, box, enabled);
}
