#include "ui/PushButton.h"

#include "ui/AppMessages.h"
#include "ui/ScopedSelection.h"

bool PushButton::DrawItem(const DRAWITEMSTRUCT& item) {
  HDC dc = item.hDC;
  ScopedSelection fontSelection(dc, Font());
  const bool pushed = (item.itemState & ODS_SELECTED) || GetCheck();
  DrawBevel(dc, item.rcItem, pushed ? SunkenBevel() : RaisedBevel(), BackColor());

  RECT label = item.rcItem;
  if (pushed) {
    ++label.left;
    ++label.top;
  } else {
    --label.right;
    --label.bottom;
  }
  char text[256];
  ReadText(text);
  DrawLabel(dc, text, label, DT_CENTER, !(item.itemState & ODS_DISABLED));

  if (item.itemState & ODS_FOCUS) {
    RECT focus = item.rcItem;
    InflateRect(&focus, -4, -4);
    DrawFocusRect(dc, &focus);
  }
  return true;
}

LRESULT PushButton::Kind() const { return kKindPushButton; }
