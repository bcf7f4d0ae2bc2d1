#include "ui/GroupBox.h"

#include "ui/BlockFill.h"
#include "ui/ColorShades.h"
#include "ui/GdiObject.h"
#include "ui/ScopedSelection.h"
#include "ui/TextDrawing.h"
#include "ui/WindowStyles.h"

GroupBox::GroupBox() : ControlBase(false) {}

bool GroupBox::Attach(HWND window) {
  if (!ControlBase::Attach(window)) return false;
  SetButtonStyle(window, GetWindowLongA(window, GWL_STYLE) | BS_NOTIFY);
  AddExtendedStyle(window, WS_EX_CONTROLPARENT);
  RemoveClassDoubleClicks(window);
  return true;
}

LRESULT GroupBox::WindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  // Painted here, the message ends here: the control's own procedure would
  // find nothing left to paint, yet a themed group box, being transparent,
  // would still have the dialog paint its background once more.
  if (msg == WM_PAINT && Paint(window)) return 0;
  return ControlBase::WindowProc(window, msg, wParam, lParam);
}

void GroupBox::SetBackColor(COLORREF color, bool redraw) {
  disabledShadow = DarkShade(color);
  disabledHighlight = LightShade(color);
  ControlBase::SetBackColor(color, redraw);
}

void GroupBox::ResetColors() {
  SetFrameColor(GetSysColor(COLOR_BTNSHADOW), false);
  ControlBase::ResetColors();
}

void GroupBox::SetFrameColor(COLORREF color, bool redraw) {
  frameColor = color;
  frameHighlight = LighterShade(color);
  Repaint(redraw, true);
}

bool GroupBox::Paint(HWND window) {
  if (!Hwnd() || !Font()) return false;
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(window, &paint);
  {
    ScopedSelection fontSelection(dc, Font());
    char text[256] = {};
    GetWindowTextA(window, text, sizeof text);
    SIZE caption{};
    GetTextExtentPoint32A(dc, text, lstrlenA(text), &caption);
    const bool enabled = IsWindowEnabled(window) != FALSE;
    RECT client;
    GetClientRect(window, &client);
    DrawFrame(dc, client, caption, enabled);
    DrawCaption(dc, text, client, caption, 0, enabled);
  }
  EndPaint(window, &paint);
  return true;
}

// An etched frame whose top line runs through the middle of the caption.
void GroupBox::DrawFrame(HDC dc, const RECT& client, SIZE caption, bool enabled) const {
  OwnedBrush shadow = MakeSolidBrush(enabled ? frameColor : disabledShadow);
  OwnedBrush highlight = MakeSolidBrush(enabled ? frameHighlight : disabledHighlight);
  const DpiScale scale = Scale();
  const int line = scale.Line();
  const RECT shadowRect{client.left, client.top + caption.cy / 2 + scale(1), client.right - line,
                        client.bottom - line};
  const RECT highlightRect{shadowRect.left + line, shadowRect.top + line, client.right,
                           client.bottom};
  FillFrame(dc, highlightRect, highlight.Get(), line);
  FillFrame(dc, shadowRect, shadow.Get(), line);
}

// The caption on the back colour, which cuts the frame's top line out.
void GroupBox::DrawCaption(HDC dc, const char* text, const RECT& client, SIZE caption, UINT format,
                           bool enabled) const {
  if (!text || !*text) return;
  const DpiScale scale = Scale();
  const RECT cutOut{client.left + scale(7), client.top, client.left + caption.cx + scale(11),
                    client.top + caption.cy + scale(2)};
  OwnedBrush back = MakeSolidBrush(BackColor());
  FillRect(dc, &cutOut, back.Get());

  const RECT textRect{client.left + scale(9), client.top + scale(1),
                      client.left + caption.cx + scale(9), client.top + caption.cy + scale(1)};
  format |= DT_SINGLELINE | DT_VCENTER;
  if (enabled)
    DrawPlainText(dc, text, textRect, format, TextColor());
  else
    DrawEngravedText(dc, text, textRect, format, disabledHighlight, disabledShadow, scale);
}
