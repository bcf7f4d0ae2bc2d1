#include "ui/PushButton.h"

#include "ui/AppMessages.h"
#include "ui/BlockFill.h"
#include "ui/GdiObject.h"
#include "ui/ScopedSelection.h"

bool PushButton::DrawItem(const DRAWITEMSTRUCT& item) {
  HDC dc = item.hDC;
  ScopedSelection fontSelection(dc, Font());
  const DpiScale scale = Scale();
  const bool pushed = (item.itemState & ODS_SELECTED) || GetCheck();
  RECT face = item.rcItem;
  // The button that Enter presses wears a frame, as Windows draws a default button.
  if (IsDialogDefault()) {
    OwnedBrush frame = MakeSolidBrush(TextColor());
    FillFrame(dc, face, frame.Get(), scale.Line());
    InflateRect(&face, -scale.Line(), -scale.Line());
  }
  DrawBevel(dc, face, pushed ? SunkenBevel() : RaisedBevel(), BackColor());

  RECT label = face;
  const int shift = scale(1);
  if (pushed) {
    label.left += shift;
    label.top += shift;
  } else {
    label.right -= shift;
    label.bottom -= shift;
  }
  DrawLabel(dc, Label().c_str(), label, DT_CENTER, !(item.itemState & ODS_DISABLED));

  if (item.itemState & ODS_FOCUS) {
    RECT focus = face;
    InflateRect(&focus, -scale(4), -scale(4));
    DrawFocusRect(dc, &focus);
  }
  return true;
}

bool PushButton::IsDialogDefault() const {
  const LRESULT answer = SendMessageA(GetParent(Hwnd()), DM_GETDEFID, 0, 0);
  return HIWORD(answer) == DC_HASDEFID && LOWORD(answer) == GetDlgCtrlID(Hwnd());
}

LRESULT PushButton::Kind() const { return kKindPushButton; }
