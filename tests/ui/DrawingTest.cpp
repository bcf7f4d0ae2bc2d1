// Drawing read back pixel by pixel: the owner-drawn buttons from a memory DC
// (bevels, round frame, marks, engraved labels, focus rectangles, the DC
// given back as it was), the group box and the total display from the screen.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "UiTestIds.h"
#include "harness/WindowTestSupport.h"
#include "ui/CheckBox.h"
#include "ui/DiamondCheckBox.h"
#include "ui/GroupBox.h"
#include "ui/PushButton.h"
#include "ui/RingRadioButton.h"

namespace {

// The main window's frame colour, and the shades of its back colour.
constexpr COLORREF kFrameColor = 0xB00040;
constexpr COLORREF kLight = RGB(224, 240, 255), kLighter = RGB(240, 248, 255);
constexpr COLORREF kDark = RGB(96, 112, 127), kDarker = RGB(48, 56, 63);
const COLORREF kWindow = GetSysColor(COLOR_WINDOW);
const BevelColors kRaised{kDarker, kDark, kLighter, kLight},
    kSunken{kLighter, kLight, kDark, kDarker};
constexpr int kBoxTop = (20 - 13) / 2;  // the check box in a 20 px high item

struct PixelRule {
  int x, y;
  COLORREF color;
};
using PixelRules = std::vector<PixelRule>;

// Checks every rule; a failure names the case and the row.
void ExpectPixels(const Canvas& canvas, const PixelRules& rules, const char* what) {
  for (size_t row = 0; row < rules.size(); ++row)
    EXPECT_EQ(canvas.Pixel(rules[row].x, rules[row].y), rules[row].color)
        << what << ", row " << row << ": (" << rules[row].x << ", " << rules[row].y << ")";
}

// How many pixels of column x differ between the canvases.
int ChangedInColumn(const Canvas& one, const Canvas& other, int x) {
  int changed = 0;
  for (int y = 0; y < one.height; ++y) changed += one.Pixel(x, y) != other.Pixel(x, y);
  return changed;
}

// What a drawing step must give back: the DC's objects, text colour,
// background mode and clipping.
std::vector<LONG_PTR> DcState(HDC dc) {
  RECT c;
  GetClipBox(dc, &c);
  std::vector<LONG_PTR> state{c.left, c.top, c.right, c.bottom, GetBkMode(dc)};
  state.push_back(static_cast<LONG_PTR>(GetTextColor(dc)));
  for (UINT type : {OBJ_PEN, OBJ_BRUSH, OBJ_FONT})
    state.push_back(reinterpret_cast<LONG_PTR>(GetCurrentObject(dc, type)));
  return state;
}

// Draws the whole button into the canvas as WM_DRAWITEM would.
void Draw(ButtonBase& button, Canvas& canvas, UINT state) {
  PatBlt(canvas.dc, 0, 0, canvas.width, canvas.height, BLACKNESS);
  const std::vector<LONG_PTR> before = DcState(canvas.dc);
  const RECT all{0, 0, canvas.width, canvas.height};
  DRAWITEMSTRUCT item{ODT_BUTTON, 0, 0, ODA_DRAWENTIRE, state, button.Hwnd(), canvas.dc, all, 0};
  EXPECT_TRUE(button.DrawItem(item));
  EXPECT_EQ(DcState(canvas.dc), before) << "state " << state;
}

// The sides of a bevelled box (outer, then inner); the bottom-right lines
// take the corners they share with the top-left ones.
PixelRules Bevel(int top, int w, int h, const BevelColors& c, PixelRules more = {}) {
  const int mid = top + h / 2, bottom = top + h - 1;
  const COLORREF outBR = c.outerBottomRight, inBR = c.innerBottomRight;
  const COLORREF outTL = c.outerTopLeft, inTL = c.innerTopLeft;
  const PixelRules sides{{w / 2, bottom, outBR}, {w - 1, mid, outBR},    {w / 2, bottom - 1, inBR},
                         {w - 2, mid, inBR},     {0, mid, outTL},        {w / 2, top, outTL},
                         {1, mid, inTL},         {w / 2, top + 1, inTL}, {w - 1, top, outBR},
                         {0, bottom, outBR},     {1, bottom - 1, inBR},  {w - 2, top + 1, inBR}};
  more.insert(more.end(), sides.begin(), sides.end());
  return more;
}

class Drawing : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dialog.Open());
    dialog.Attach(push, IDC_UI_PUSH);
    dialog.Attach(box, IDC_UI_CHECK_FIRST);
    dialog.Attach(diamond, IDC_UI_CHECK_SECOND);
    dialog.Attach(radio, IDC_UI_RADIO_FIRST);
    dialog.Attach(ring, IDC_UI_RADIO_SECOND);
  }
  // Draws the button with the state bits and the draw state into an 80 x 20
  // canvas and checks the pixels.
  void Expect(ButtonBase& button, int bits, UINT state, const PixelRules& rules, const char* what) {
    button.SetStateBits(bits);
    Draw(button, canvas, state);
    ExpectPixels(canvas, rules, what);
  }

  PushButton push;
  CheckBox box;
  DiamondCheckBox diamond;
  RadioButton radio;
  RingRadioButton ring;
  GroupBox group, emptyGroup;
  StaticText total;
  HostDialog dialog{IDD_UI_CONTROLS};
  Canvas canvas{80, 20};
};

}  // namespace

TEST_F(Drawing, PushButtonBevelsRaisedOrPushedAndMovesItsLabel) {
  Expect(push, 0, 0, Bevel(0, 80, 20, kRaised, {{3, 3, kBackColor}}), "raised");
  const RECT raisedLabel = canvas.Bounds(kTextColor);
  ASSERT_FALSE(IsRectEmpty(&raisedLabel));
  for (int bits : {0, 3}) {  // pressed, or toggled on
    Expect(push, bits, bits ? 0 : ODS_SELECTED, Bevel(0, 80, 20, kSunken), "pushed");
    RECT pushedLabel = canvas.Bounds(kTextColor);
    OffsetRect(&pushedLabel, -1, -1);
    EXPECT_TRUE(EqualRect(&pushedLabel, &raisedLabel)) << bits;
  }
}

TEST_F(Drawing, FocusRectanglesFrameTheLabelOrTheButton) {
  // Dotted along the left edge, nothing left of it: 4 px in on the push
  // button, at label left - 1 on the check box.
  for (auto [button, edge] : {std::pair<ButtonBase*, int>{&push, 4}, {&box, 17}}) {
    Canvas focused(80, 20);
    Draw(*button, canvas, 0);
    Draw(*button, focused, ODS_FOCUS);
    EXPECT_GT(ChangedInColumn(canvas, focused, edge), 4) << edge;
    EXPECT_EQ(ChangedInColumn(canvas, focused, edge - 1), 0) << edge;
  }
}

TEST_F(Drawing, CheckBoxesSinkTheirBoxMarkItAndEngraveWhenDisabled) {
  const int t = kBoxTop, m = (t + 13 - 3 + t + 2) / 2, n = (13 - 3 + 2) / 2;
  Expect(box, 0, 0, Bevel(t, 13, 13, kSunken, {{6, t + 6, kWindow}, {14, 2, kBackColor}}), "box");
  EXPECT_TRUE(canvas.Holds(kTextColor));  // the label
  // The tick: three-pixel strokes from T+5, T+6, T+7, then up to T+3, clipped
  // to the inside; pressed or disabled, the box takes the back colour.
  const PixelRules tick{{3, t + 5, kTextColor},
                        {3, t + 4, kWindow},
                        {5, t + 9, kTextColor},
                        {9, t + 3, kTextColor},
                        {10, t + 5, kWindow}};
  Expect(box, 1, 0, tick, "tick");
  Expect(box, 1, ODS_SELECTED, {{9, t + 9, kBackColor}, {3, t + 5, kTextColor}}, "pressed");
  // The diamond: an outer one in the box colour round an inner one in the ink.
  const PixelRules mark{{2, m, kTextColor},
                        {n, t + 2, kTextColor},
                        {3, m, kWindow},
                        {n, m, kTextColor},
                        {9, t + 3, kWindow}};
  Expect(diamond, 1, 0, mark, "diamond");
  Expect(diamond, 1, ODS_DISABLED, {{2, m, kDark}, {3, m, kBackColor}, {n, m, kDark}}, "disabled");
  Expect(box, 1, ODS_DISABLED, {{9, t + 9, kBackColor}, {3, t + 5, kDark}}, "disabled tick");
  // The engraved label: the light copy one pixel right of and below the dark.
  EXPECT_FALSE(canvas.Holds(kTextColor));
  const RECT light = canvas.Bounds(kLight, true, {18, 0, 80, 20});
  const RECT dark = canvas.Bounds(kDark, true, {18, 0, 80, 20});
  ASSERT_FALSE(IsRectEmpty(&dark) || IsRectEmpty(&light));
  EXPECT_EQ(light.right, dark.right + 1);
  EXPECT_EQ(light.bottom, dark.bottom + 1);
}

TEST_F(Drawing, RadioButtonsDrawTheRoundFrameTheDotAndTheRing) {
  const int l = 1, t = 4, r = 12, b = 15;  // the box in a 20 px high item
  // Shadowed top left, lit bottom right, the fill, and nothing outside the
  // round corners.
  const PixelRules frame{{l, t + 5, kDark},      {l + 1, t + 5, kDarker}, {r, t + 5, kLighter},
                         {r - 1, t + 5, kLight}, {l + 5, t + 5, kWindow}, {l, t, kBackColor},
                         {r, b, kBackColor}};
  Expect(radio, 0, 0, frame, "round frame");
  // The dot (L+4, T+4, R-3, B-3); the ring (L+3, T+3, R-2, B-2) round a
  // smaller dot (L+5, T+5, R-4, B-4).
  Expect(radio, 1, 0, {{l + 5, t + 5, kTextColor}, {l + 3, t + 5, kWindow}}, "dot");
  const PixelRules ringMark{
      {l + 3, t + 5, kTextColor}, {l + 4, t + 5, kWindow}, {l + 5, t + 5, kTextColor}};
  Expect(ring, 1, 0, ringMark, "ring");
  const PixelRules disabled{
      {l + 3, t + 5, kDark}, {l + 4, t + 5, kBackColor}, {l + 5, t + 5, kDark}};
  Expect(ring, 1, ODS_DISABLED, disabled, "disabled ring");
}

TEST_F(Drawing, ThousandsOfDrawsAndRepaintsLeaveDrawingWorking) {
  ButtonBase* buttons[] = {&push, &box, &diamond, &radio, &ring};
  const UINT states[] = {ODS_DISABLED, ODS_FOCUS, ODS_SELECTED, 0};
  box.SetStateBits(1);
  ring.SetStateBits(1);
  // A leak of a few objects per draw would run out of GDI handles long before.
  for (int i = 0; i < 2000 && !HasFailure(); ++i) {
    Draw(*buttons[i % 5], canvas, states[i % 4]);
    box.SetHeight(10 + i % 5, false);
  }
  for (int i = 0; i < 100; ++i)
    RedrawWindow(dialog.Hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  Expect(push, 0, 0, Bevel(0, 80, 20, kRaised), "push after the loop");
  EXPECT_TRUE(canvas.Holds(kTextColor));
  Expect(ring, 1, 0, {{6, 9, kTextColor}}, "ring after the loop");
  Expect(box, 1, 0, {{3, kBoxTop + 5, kTextColor}}, "tick after the loop");
}

TEST_F(Drawing, GroupBoxFrameIsEtchedAndItsCaptionCutsTheTopLine) {
  // The caption's size in the group box's own font; the top line runs
  // through its middle.
  auto captionSize = [](const GroupBox& g) {
    char text[64] = {};
    GetWindowTextA(g.Hwnd(), text, sizeof text);
    Canvas measure(1, 1);
    const HGDIOBJ previous = SelectObject(measure.dc, g.Font());
    SIZE size{};
    GetTextExtentPoint32A(measure.dc, text, lstrlenA(text), &size);
    SelectObject(measure.dc, previous);
    return size;
  };
  dialog.Attach(group, IDC_UI_GROUP);
  dialog.Attach(emptyGroup, IDC_UI_GROUP_EMPTY);
  group.SetFrameColor(kFrameColor, true);
  emptyGroup.SetFrameColor(kFrameColor, true);
  EXPECT_TRUE(GetWindowLongA(group.Hwnd(), GWL_STYLE) & BS_NOTIFY);
  EXPECT_TRUE(GetWindowLongA(group.Hwnd(), GWL_EXSTYLE) & WS_EX_CONTROLPARENT);
  PumpUntilIdle();
  const SIZE caption = captionSize(group);
  ASSERT_GT(caption.cx, 10);
  const COLORREF lit = RGB(208, 192, 236);  // the frame colour's lighter shade
  const int y = caption.cy / 2 + 1, cx = caption.cx, emptyY = captionSize(emptyGroup).cy / 2 + 1;

  const Canvas shown(group.Hwnd());
  const PixelRules frame{{3, y, kFrameColor},  {3, y + 1, lit},          {0, y + 10, kFrameColor},
                         {1, y + 10, lit},     {6, y, kFrameColor},      {7, y, kBackColor},
                         {8, y, kBackColor},   {cx + 10, y, kBackColor}, {cx + 11, y, kFrameColor},
                         {cx + 11, y + 1, lit}};
  ExpectPixels(shown, frame, "frame round the caption");
  const RECT text = shown.Bounds(kTextColor), captionArea{9, 0, cx + 9, caption.cy + 2};
  RECT inCaption;
  EXPECT_TRUE(IntersectRect(&inCaption, &text, &captionArea));
  const PixelRules through{
      {3, emptyY, kFrameColor}, {8, emptyY, kFrameColor}, {20, emptyY, kFrameColor}};
  ExpectPixels(Canvas(emptyGroup.Hwnd()), through, "no caption, no gap");

  // Painted whole by the object: the control's own painting, which would ask
  // the dialog for the box's colours and paint its background again, never runs.
  dialog.colorRequests.clear();
  RedrawWindow(group.Hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  EXPECT_EQ(dialog.colorRequests[group.Hwnd()], 0);

  EnableWindow(group.Hwnd(), FALSE);
  InvalidateRect(group.Hwnd(), nullptr, TRUE);
  PumpUntilIdle();
  const Canvas disabled(group.Hwnd());
  ExpectPixels(disabled, {{3, y, kDark}, {3, y + 1, kLight}}, "disabled frame");
  EXPECT_LT(disabled.Bounds(kDark).top, y);  // the engraved caption above the line
}

TEST_F(Drawing, TotalDisplayShowsItsOwnFontColoursAndBrushUntilDetached) {
  HWND control = dialog.Item(IDC_UI_STATIC);
  const LRESULT ownFont = SendMessageA(control, WM_GETFONT, 0, 0);
  dialog.Attach(total, IDC_UI_STATIC);
  EXPECT_TRUE(GetWindowLongA(control, GWL_EXSTYLE) & WS_EX_CONTROLPARENT);
  auto digitRows = [&] {
    InvalidateRect(control, nullptr, TRUE);
    PumpUntilIdle();
    const Canvas shown(control);
    EXPECT_EQ(shown.Pixel(1, 1), kBackColor);
    EXPECT_TRUE(shown.Holds(kTextColor));
    const RECT ink = shown.Bounds(kBackColor, false);
    return ink.bottom - ink.top;
  };
  const int smallDigit = digitRows();
  // The 22 px bold font really shows: it is installed with WM_SETFONT.
  total.SetHeight(22, true);
  total.SetBold(1, true);
  EXPECT_EQ(SendMessageA(control, WM_GETFONT, 0, 0), reinterpret_cast<LRESULT>(total.Font()));
  const int largeDigit = digitRows();
  EXPECT_GE(largeDigit, 14);
  EXPECT_GE(largeDigit, smallDigit + 5);

  // A new back colour comes with a new brush.
  total.SetBackColor(RGB(255, 255, 255), true);
  PumpUntilIdle();
  EXPECT_EQ(Canvas(control).Pixel(1, 1), RGB(255, 255, 255));
  ASSERT_TRUE(total.Detach());
  EXPECT_EQ(SendMessageA(control, WM_GETFONT, 0, 0), ownFont);
  EXPECT_EQ(GetPropA(control, WindowBase::kPropertyName), nullptr);
  EXPECT_FALSE(total.Detach());
}
