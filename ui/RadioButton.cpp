#include "ui/RadioButton.h"

#include "ui/AppMessages.h"
#include "ui/DialogGroup.h"
#include "ui/GdiObject.h"
#include "ui/ScopedSelection.h"

namespace {

LONG ButtonStyle(HWND control) { return GetWindowLongA(control, GWL_STYLE); }

bool HasStyleBits(HWND control, LONG bits) { return (ButtonStyle(control) & bits) == bits; }

LRESULT KindOf(HWND control) { return SendMessageA(control, WM_APP_CONTROL_KIND, 0, 0); }

}  // namespace

bool RadioButton::DrawItem(const DRAWITEMSTRUCT& item) {
  ScopedSelection fontSelection(item.hDC, Font());
  const COLORREF fill = DrawBackground(item);
  RECT box;
  box.left = item.rcItem.left + 1;
  box.top = item.rcItem.top + (item.rcItem.bottom - item.rcItem.top - 12) / 2;
  box.right = item.rcItem.left + 12;
  box.bottom = box.top + 11;
  DrawRoundFrame(item.hDC, box, SunkenBevel(), fill);
  DrawLabelFocusAndMark(item, box);
  return true;
}

LRESULT RadioButton::Kind() const { return kKindRadioButton; }

void RadioButton::SetCheck(int on) {
  HWND self = Hwnd();
  if (!self) {
    StoreCheck(on != 0, false);
    return;
  }
  if (!IsWindowEnabled(self)) return;
  if (!HasStyleBits(self, BS_AUTORADIOBUTTON)) {
    StoreCheck(on != 0, true);
    return;
  }
  if (on == 1) {
    StoreCheck(true, true);
    ClearOthers();
  } else if (AnotherIsOn()) {
    StoreCheck(false, true);
  }
}

// Framework radio buttons and standard radio buttons of the group are
// cleared; check boxes and push buttons are left alone.
void RadioButton::ClearOthers() {
  for (HWND member : DialogGroup::Members(Hwnd())) {
    if (member == Hwnd()) continue;
    const LRESULT kind = KindOf(member);
    if ((kind == kKindRadioButton && HasStyleBits(member, BS_OWNERDRAW)) ||
        (kind == kKindNone && HasStyleBits(member, BS_AUTORADIOBUTTON)))
      SendMessageA(member, BM_SETCHECK, BST_UNCHECKED, 0);
  }
}

bool RadioButton::AnotherIsOn() const {
  for (HWND member : DialogGroup::Members(Hwnd())) {
    if (member != Hwnd() && KindOf(member) == kKindRadioButton &&
        SendMessageA(member, BM_GETCHECK, 0, 0) == BST_CHECKED)
      return true;
  }
  return false;
}

void RadioButton::DrawLine(HDC dc, POINT from, POINT to, COLORREF color) {
  const POINT points[] = {from, to};
  DrawPolyline(dc, points, 2, color);
}

void RadioButton::DrawRoundFrame(HDC dc, const RECT& box, const BevelColors& colors,
                                 COLORREF fill) {
  const LONG l = box.left, t = box.top, r = box.right, b = box.bottom;
  const COLORREF c0 = colors.outerBottomRight, c1 = colors.innerBottomRight;
  const COLORREF c2 = colors.outerTopLeft, c3 = colors.innerTopLeft;
  const RECT inside{l + 2, t + 2, r - 1, b - 1};
  OwnedBrush brush = MakeSolidBrush(fill);
  FillRect(dc, &inside, brush.Get());

  struct Segment {
    POINT from;
    POINT to;
    COLORREF color;
  };
  // Drawn in this order, later lines over earlier ones.
  const Segment segments[] = {
      {{r - 1, t + 2}, {r - 1, b - 1}, c0}, {{r, t + 4}, {r, b - 3}, c0},
      {{l + 2, b - 1}, {r - 1, b - 1}, c0}, {{l + 4, b}, {r - 3, b}, c0},
      {{l + 2, t + 1}, {r - 1, t + 1}, c2}, {{l + 4, t}, {r - 3, t}, c2},
      {{l + 1, t + 2}, {l + 1, b - 1}, c2}, {{l, t + 4}, {l, b - 3}, c2},
      {{r - 2, t + 3}, {r - 2, t + 4}, c1}, {{r - 2, b - 3}, {r - 2, b - 2}, c1},
      {{r - 1, t + 4}, {r - 1, b - 3}, c1}, {{l + 2, b - 2}, {l + 4, b - 2}, c1},
      {{r - 2, b - 2}, {r - 4, b - 2}, c1}, {{l + 4, b - 1}, {r - 3, b - 1}, c1},
      {{l + 2, t + 3}, {l + 2, t + 4}, c3}, {{l + 2, b - 3}, {l + 2, b - 2}, c3},
      {{l + 1, t + 4}, {l + 1, b - 3}, c3}, {{l + 2, t + 2}, {l + 4, t + 2}, c3},
      {{r - 2, t + 2}, {r - 4, t + 2}, c3}, {{l + 4, t + 1}, {r - 3, t + 1}, c3},
  };
  for (const Segment& segment : segments) DrawLine(dc, segment.from, segment.to, segment.color);
}
