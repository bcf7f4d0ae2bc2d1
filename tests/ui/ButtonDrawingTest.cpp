// Owner drawing, read back pixel by pixel from a memory DC: the bevels, the
// round frame, the four marks, the engraved label, the focus rectangles, and
// the DC given back as it was after every draw, thousands of times over.
#include <gtest/gtest.h>
#include <windows.h>

#include "Canvas.h"
#include "TestDialog.h"
#include "UiTestIds.h"
#include "ui/CheckBox.h"
#include "ui/DiamondCheckBox.h"
#include "ui/PushButton.h"
#include "ui/RadioButton.h"
#include "ui/RingRadioButton.h"

namespace {

// The shades of the main window's back colour.
constexpr COLORREF kLight = RGB(224, 240, 255);
constexpr COLORREF kLighter = RGB(240, 248, 255);
constexpr COLORREF kDark = RGB(96, 112, 127);
constexpr COLORREF kDarker = RGB(48, 56, 63);
const COLORREF kWindow = GetSysColor(COLOR_WINDOW);

// Draws the button into the canvas as WM_DRAWITEM would, and checks that the
// DC's objects, text colour and background mode are as they were.
void Draw(ButtonBase& button, Canvas& canvas, UINT state) {
  HDC dc = canvas.Dc();
  canvas.Fill(RGB(255, 0, 255));
  const HGDIOBJ pen = GetCurrentObject(dc, OBJ_PEN);
  const HGDIOBJ brush = GetCurrentObject(dc, OBJ_BRUSH);
  const HGDIOBJ font = GetCurrentObject(dc, OBJ_FONT);
  const COLORREF textColor = GetTextColor(dc);
  const int mode = GetBkMode(dc);
  DRAWITEMSTRUCT item{};
  item.CtlType = ODT_BUTTON;
  item.CtlID = GetDlgCtrlID(button.Hwnd());
  item.itemAction = ODA_DRAWENTIRE;
  item.itemState = state;
  item.hwndItem = button.Hwnd();
  item.hDC = dc;
  item.rcItem = {0, 0, canvas.Width(), canvas.Height()};
  EXPECT_TRUE(button.DrawItem(item));
  EXPECT_EQ(GetCurrentObject(dc, OBJ_PEN), pen);
  EXPECT_EQ(GetCurrentObject(dc, OBJ_BRUSH), brush);
  EXPECT_EQ(GetCurrentObject(dc, OBJ_FONT), font);
  EXPECT_EQ(GetTextColor(dc), textColor);
  EXPECT_EQ(GetBkMode(dc), mode);
}

int ChangedInColumn(const Canvas& before, const Canvas& after, int x) {
  int changed = 0;
  for (int y = 0; y < before.Height(); ++y) changed += before.Pixel(x, y) != after.Pixel(x, y);
  return changed;
}

auto Matching(COLORREF color) {
  return [color](COLORREF pixel) { return pixel == color; };
}

class ButtonDrawing : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dialog.Open());
    dialog.AttachButton(push, IDC_UI_PUSH);
    dialog.AttachButton(box, IDC_UI_CHECK_FIRST);
    dialog.AttachButton(diamond, IDC_UI_CHECK_SECOND);
    dialog.AttachButton(radio, IDC_UI_RADIO_FIRST);
    dialog.AttachButton(ring, IDC_UI_RADIO_SECOND);
  }

  PushButton push;
  CheckBox box;
  DiamondCheckBox diamond;
  RadioButton radio;
  RingRadioButton ring;
  TestDialog dialog{IDD_UI_CONTROLS};
};

// The sides of a bevelled box over (0, 0, w, h), outer then inner.
void ExpectBevel(const Canvas& canvas, int top, int width, int height, const BevelColors& colors) {
  const int mid = top + height / 2;
  EXPECT_EQ(canvas.Pixel(width / 2, top + height - 1), colors.outerBottomRight);
  EXPECT_EQ(canvas.Pixel(width - 1, mid), colors.outerBottomRight);
  EXPECT_EQ(canvas.Pixel(width / 2, top + height - 2), colors.innerBottomRight);
  EXPECT_EQ(canvas.Pixel(width - 2, mid), colors.innerBottomRight);
  EXPECT_EQ(canvas.Pixel(0, mid), colors.outerTopLeft);
  EXPECT_EQ(canvas.Pixel(width / 2, top), colors.outerTopLeft);
  EXPECT_EQ(canvas.Pixel(1, mid), colors.innerTopLeft);
  EXPECT_EQ(canvas.Pixel(width / 2, top + 1), colors.innerTopLeft);
  // Corners: the outer bottom-right line runs up to the top row.
  EXPECT_EQ(canvas.Pixel(width - 1, top), colors.outerBottomRight);
  EXPECT_EQ(canvas.Pixel(0, top + height - 1), colors.outerBottomRight);
}

}  // namespace

TEST_F(ButtonDrawing, PushButtonBevelsRaisedOrPushedAndMovesItsLabel) {
  Canvas canvas(60, 22);
  Draw(push, canvas, 0);
  ExpectBevel(canvas, 0, 60, 22, {kDarker, kDark, kLighter, kLight});
  EXPECT_EQ(canvas.Pixel(3, 3), kBackColor);
  const RECT raisedLabel = canvas.BoundsOf(Matching(kTextColor));
  ASSERT_FALSE(IsRectEmpty(&raisedLabel));

  for (bool toggled : {false, true}) {
    push.SetStateBits(toggled ? 3 : 0);
    Draw(push, canvas, toggled ? 0 : ODS_SELECTED);
    ExpectBevel(canvas, 0, 60, 22, {kLighter, kLight, kDark, kDarker});
    RECT pushedLabel = canvas.BoundsOf(Matching(kTextColor));
    OffsetRect(&pushedLabel, -1, -1);
    EXPECT_TRUE(EqualRect(&pushedLabel, &raisedLabel));
  }

  // The focus rectangle, 4 pixels in: dotted along column 4, nothing at 3.
  push.SetStateBits(0);
  Canvas focused(60, 22);
  Draw(push, canvas, 0);
  Draw(push, focused, ODS_FOCUS);
  EXPECT_GT(ChangedInColumn(canvas, focused, 4), 4);
  EXPECT_EQ(ChangedInColumn(canvas, focused, 3), 0);
}

TEST_F(ButtonDrawing, CheckBoxSinksItsBoxTicksAndEngravesWhenDisabled) {
  Canvas canvas(80, 20);
  const int top = (20 - 13) / 2;
  const BevelColors sunken{kLighter, kLight, kDark, kDarker};
  Draw(box, canvas, 0);
  ExpectBevel(canvas, top, 13, 13, sunken);
  EXPECT_EQ(canvas.Pixel(6, top + 6), kWindow);
  EXPECT_EQ(canvas.Pixel(14, 2), kBackColor);
  EXPECT_GT(canvas.Count(kTextColor), 0);  // the label

  box.SetStateBits(1);
  Draw(box, canvas, 0);
  // The tick's strokes: three pixels down from T+5, T+6, T+7, then T+6 to T+3.
  EXPECT_EQ(canvas.Pixel(3, top + 5), kTextColor);
  EXPECT_EQ(canvas.Pixel(3, top + 7), kTextColor);
  EXPECT_EQ(canvas.Pixel(3, top + 4), kWindow);
  EXPECT_EQ(canvas.Pixel(5, top + 9), kTextColor);
  EXPECT_EQ(canvas.Pixel(9, top + 3), kTextColor);
  EXPECT_EQ(canvas.Pixel(9, top + 6), kWindow);
  EXPECT_EQ(canvas.Pixel(10, top + 5), kWindow);  // clipped: nothing right of L+9

  // Pressed: the box is filled with the back colour.
  Draw(box, canvas, ODS_SELECTED);
  EXPECT_EQ(canvas.Pixel(9, top + 9), kBackColor);

  Draw(box, canvas, ODS_DISABLED);
  EXPECT_EQ(canvas.Pixel(9, top + 9), kBackColor);
  EXPECT_EQ(canvas.Pixel(3, top + 5), kDark);
  EXPECT_EQ(canvas.Count(kTextColor), 0);
  // The label: the light copy one pixel right of and below the dark one.
  const RECT labelArea{18, 0, 80, 20};
  const RECT light = canvas.BoundsIn(labelArea, Matching(kLight));
  const RECT dark = canvas.BoundsIn(labelArea, Matching(kDark));
  ASSERT_FALSE(IsRectEmpty(&dark));
  ASSERT_FALSE(IsRectEmpty(&light));
  EXPECT_EQ(light.right, dark.right + 1);
  EXPECT_EQ(light.bottom, dark.bottom + 1);
}

TEST_F(ButtonDrawing, RadioButtonsDrawTheRoundFrameDotAndRing) {
  Canvas canvas(80, 20);
  // Box (1, 4, 12, 15).
  const int l = 1, t = 4, r = 12, b = 15;
  Draw(radio, canvas, 0);
  EXPECT_EQ(canvas.Pixel(r, t + 5), kLighter);      // line 2
  EXPECT_EQ(canvas.Pixel(l + 5, b), kLighter);      // line 4
  EXPECT_EQ(canvas.Pixel(l + 2, b - 1), kLighter);  // line 3, its start
  EXPECT_EQ(canvas.Pixel(r - 1, t + 2), kLighter);  // line 1, its start
  EXPECT_EQ(canvas.Pixel(r - 1, t + 5), kLight);    // line 11 over line 1
  EXPECT_EQ(canvas.Pixel(l + 5, b - 1), kLight);    // line 14 over line 3
  EXPECT_EQ(canvas.Pixel(r - 2, t + 3), kLight);    // line 9
  EXPECT_EQ(canvas.Pixel(l, t + 5), kDark);         // line 8
  EXPECT_EQ(canvas.Pixel(l + 5, t), kDark);         // line 6
  EXPECT_EQ(canvas.Pixel(l + 1, t + 2), kDark);     // line 7, its start
  EXPECT_EQ(canvas.Pixel(l + 1, t + 5), kDarker);   // line 17 over line 7
  EXPECT_EQ(canvas.Pixel(l + 5, t + 1), kDarker);   // line 20 over line 5
  EXPECT_EQ(canvas.Pixel(l + 2, t + 2), kDarker);   // line 18
  EXPECT_EQ(canvas.Pixel(l + 5, t + 5), kWindow);   // the fill
  EXPECT_EQ(canvas.Pixel(l, t), kBackColor);        // outside the round corner
  EXPECT_EQ(canvas.Pixel(r, b), kBackColor);

  radio.SetStateBits(1);
  Draw(radio, canvas, 0);
  EXPECT_EQ(canvas.Pixel(l + 5, t + 5), kTextColor);  // the dot (L+4, T+4, R-3, B-3)
  EXPECT_EQ(canvas.Pixel(l + 3, t + 5), kWindow);

  ring.SetStateBits(1);
  Draw(ring, canvas, 0);
  EXPECT_EQ(canvas.Pixel(l + 3, t + 5), kTextColor);  // the ring (L+3, T+3, R-2, B-2)
  EXPECT_EQ(canvas.Pixel(l + 4, t + 5), kWindow);     // between ring and dot
  EXPECT_EQ(canvas.Pixel(l + 5, t + 5), kTextColor);  // the dot (L+5, T+5, R-4, B-4)
  Draw(ring, canvas, ODS_DISABLED);
  EXPECT_EQ(canvas.Pixel(l + 3, t + 5), kDark);
  EXPECT_EQ(canvas.Pixel(l + 4, t + 5), kBackColor);
  EXPECT_EQ(canvas.Pixel(l + 5, t + 5), kDark);
}

TEST_F(ButtonDrawing, DiamondReplacesTheTick) {
  Canvas canvas(80, 20);
  const int top = (20 - 13) / 2;
  const int m = (top + 13 - 3 + top + 2) / 2, n = (13 - 3 + 2) / 2;
  diamond.SetStateBits(1);
  Draw(diamond, canvas, 0);
  EXPECT_EQ(canvas.Pixel(2, m), kTextColor);        // outer left corner
  EXPECT_EQ(canvas.Pixel(n, top + 2), kTextColor);  // outer top corner
  EXPECT_EQ(canvas.Pixel(3, m), kWindow);           // between the diamonds
  EXPECT_EQ(canvas.Pixel(n, m), kTextColor);        // inner diamond
  EXPECT_EQ(canvas.Pixel(9, top + 3), kWindow);     // where the tick would be

  Draw(diamond, canvas, ODS_DISABLED);
  EXPECT_EQ(canvas.Pixel(2, m), kDark);
  EXPECT_EQ(canvas.Pixel(3, m), kBackColor);
}

TEST_F(ButtonDrawing, FocusRectangleSurroundsTheLabel) {
  Canvas plain(80, 20), focused(80, 20);
  Draw(box, plain, 0);
  Draw(box, focused, ODS_FOCUS);
  // Left edge at label left - 1 = 17; nothing changes left of it.
  EXPECT_GT(ChangedInColumn(plain, focused, 17), 4);
  EXPECT_EQ(ChangedInColumn(plain, focused, 16), 0);
}

TEST_F(ButtonDrawing, ThousandsOfDrawsLeaveDrawingWorking) {
  Canvas canvas(60, 20);
  push.SetStateBits(0);
  box.SetStateBits(1);
  diamond.SetStateBits(1);
  ring.SetStateBits(1);
  // A leak of a few objects per draw would run out of GDI handles long before.
  for (int i = 0; i < 6000; ++i) {
    const UINT state = (i % 3 == 0) ? ODS_DISABLED : (i % 3 == 1 ? ODS_FOCUS : ODS_SELECTED);
    ButtonBase* buttons[] = {&push, &box, &diamond, &ring};
    Draw(*buttons[i % 4], canvas, state);
    if (HasFailure()) return;
  }
  for (int i = 0; i < 3000; ++i) box.SetHeight(10 + i % 5, false);
  Draw(push, canvas, 0);
  ExpectBevel(canvas, 0, 60, 20, {kDarker, kDark, kLighter, kLight});
  EXPECT_GT(canvas.Count(kTextColor), 0);
  Draw(ring, canvas, 0);
  EXPECT_EQ(canvas.Pixel(6, 9), kTextColor);
  for (int i = 0; i < 1000; ++i) RedrawWindow(dialog.Hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  Draw(box, canvas, 0);
  EXPECT_EQ(canvas.Pixel(3, (20 - 13) / 2 + 5), kTextColor);
}
