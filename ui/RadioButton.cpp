#include "ui/RadioButton.h"

#include "ui/AppMessages.h"
#include "ui/BlockFill.h"
#include "ui/DesignGrid.h"
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
  const DpiScale scale = Scale();
  RECT box;
  box.left = item.rcItem.left + scale(1);
  box.top = item.rcItem.top + (item.rcItem.bottom - item.rcItem.top - scale(kBoxSize + 1)) / 2;
  box.right = box.left + scale(kBoxSize);
  box.bottom = box.top + scale(kBoxSize);
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

// The sunken round frame as pixel art of the design, from the box's top left
// corner and one pixel past its right and bottom edges: '0' to '3' are the
// bevel colours (outer bottom-right, inner bottom-right, outer top-left, inner
// top-left), '.' the fill.
void RadioButton::DrawRoundFrame(HDC dc, const RECT& box, const BevelColors& colors,
                                 COLORREF fill) const {
  constexpr int kSide = kBoxSize + 1;
  static constexpr char kArt[kSide][kSide + 1] = {
      "    2222    ",  //
      "  22333322  ",  //
      " 233....330 ",  //
      " 23......10 ",  //
      "23........10",  //
      "23........10",  //
      "23........10",  //
      "23........10",  //
      " 23......10 ",  //
      " 211....110 ",  //
      "  00111100  ",  //
      "    0000    ",
  };
  const OwnedBrush brushes[] = {MakeSolidBrush(colors.outerBottomRight),
                                MakeSolidBrush(colors.innerBottomRight),
                                MakeSolidBrush(colors.outerTopLeft),
                                MakeSolidBrush(colors.innerTopLeft), MakeSolidBrush(fill)};
  const DesignGrid grid({box.left, box.top}, Scale());
  // Each run of one colour on a row is one block; '.' takes the last brush.
  for (int y = 0; y < kSide; ++y) {
    for (int x = 0; x < kSide;) {
      const char shade = kArt[y][x];
      int end = x + 1;
      while (end < kSide && kArt[y][end] == shade) ++end;
      if (shade != ' ')
        FillBlock(dc, grid.Edges(x, y, end, y + 1), brushes[shade == '.' ? 4 : shade - '0'].Get());
      x = end;
    }
  }
}
