#include "ui/PushButton.h"

#include "ui/AppMessages.h"
#include "ui/GdiObject.h"
#include "ui/ScopedSelection.h"

bool PushButton::DrawItem(const DRAWITEMSTRUCT& item) {
  HDC dc = item.hDC;
  ScopedSelection fontSelection(dc, Font());
  const bool pushed = (item.itemState & ODS_SELECTED) || GetCheck();
  RECT face = item.rcItem;
  // The button that Enter presses wears a frame, as Windows draws a default button.
  if (IsDialogDefault()) {
    OwnedBrush frame = MakeSolidBrush(TextColor());
    FrameRect(dc, &face, frame.Get());
    InflateRect(&face, -1, -1);
  }
  DrawBevel(dc, face, pushed ? SunkenBevel() : RaisedBevel(), BackColor());

  RECT label = face;
  if (pushed) {
    ++label.left;
    ++label.top;
  } else {
    --label.right;
    --label.bottom;
  }
  DrawLabel(dc, Label().c_str(), label, DT_CENTER, !(item.itemState & ODS_DISABLED));

  if (item.itemState & ODS_FOCUS) {
    RECT focus = face;
    InflateRect(&focus, -4, -4);
    DrawFocusRect(dc, &focus);
  }
  return true;
}

bool PushButton::IsDialogDefault() const {
  const LRESULT answer = SendMessageA(GetParent(Hwnd()), DM_GETDEFID, 0, 0);
  return HIWORD(answer) == DC_HASDEFID && LOWORD(answer) == GetDlgCtrlID(Hwnd());
}

LRESULT PushButton::Kind() const { return kKindPushButton; }
