// The framework's controls in a real dialog: binding; check states after clicks, the space
// bar, arrow keys and BM_SETCHECK by the radio group rule; drawing read back pixel by pixel.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <tuple>
#include <type_traits>
#include <vector>

#include "UiTestIds.h"
#include "harness/WindowTestSupport.h"
#include "ui/DiamondCheckBox.h"
#include "ui/GroupBox.h"
#include "ui/OwnedHandle.h"
#include "ui/PushButton.h"
#include "ui/RingRadioButton.h"
#include "ui/ScopedSelection.h"
#include "ui/StaticText.h"

namespace {

// The shades of the main window's back colour; its frame colour and that one's light shade.
constexpr COLORREF kLight = RGB(224, 240, 255), kLighter = RGB(240, 248, 255);
constexpr COLORREF kDark = RGB(96, 112, 127), kDarker = RGB(48, 56, 63);
constexpr COLORREF kFrameColor = palette::kFrameColor, kFrameLit = RGB(208, 192, 236);
const COLORREF kWindow = GetSysColor(COLOR_WINDOW);
constexpr COLORREF kRaised[] = {kLighter, kLight, kDark, kDarker},
                   kSunken[] = {kDark, kDarker, kLight, kLighter};

// The controls whose states are read: the radio group (first, second, hidden, a
// standard radio button, a check box, third), the solo radio button, two check boxes.
constexpr int kStateIds[] = {
    IDC_UI_RADIO_FIRST,    IDC_UI_RADIO_SECOND,         IDC_UI_RADIO_HIDDEN,
    IDC_UI_RADIO_STANDARD, IDC_UI_CHECK_IN_RADIO_GROUP, IDC_UI_RADIO_THIRD,
    IDC_UI_RADIO_SOLO,     IDC_UI_CHECK_FIRST,          IDC_UI_CHECK_SECOND};

using PixelRules = std::vector<std::tuple<int, int, COLORREF>>;  // x, y, colour

void ExpectPixels(const Canvas& canvas, const PixelRules& rules, const char* what) {
  for (auto [x, y, color] : rules)
    EXPECT_EQ(canvas.Pixel(x, y), color) << what << " " << x << "," << y;
}

// On row y, a bevel's outer and inner left line from x left, its inner and outer
// right line up to x right, in the colours in that order, each `line` pixels
// thick; then more rules.
PixelRules Bevel(int y, int left, int right, const COLORREF (&colors)[4], PixelRules more = {},
                 int line = 1) {
  for (int k = 0; k < 2 * line; ++k) {
    more.emplace_back(left + k, y, colors[k / line]);
    more.emplace_back(right - k, y, colors[3 - k / line]);
  }
  return more;
}

// A box's bevel across row y and column x, each line `line` pixels thick; then more rules.
PixelRules BevelAcross(int x, int y, const RECT& box, const COLORREF (&colors)[4], int line,
                       PixelRules more) {
  PixelRules column = Bevel(x, box.top, box.bottom - 1, colors, {}, line);
  for (auto& [a, b, color] : column) std::swap(a, b);
  more.insert(more.end(), column.begin(), column.end());
  return Bevel(y, box.left, box.right - 1, colors, std::move(more), line);
}

// Draws the whole button into the canvas: its dialog hands WM_DRAWITEM back to it.
void Draw(const ButtonBase& button, Canvas& canvas, UINT state) {
  PatBlt(canvas.dc, 0, 0, canvas.width, canvas.height, BLACKNESS);
  const RECT all{0, 0, canvas.width, canvas.height};
  DRAWITEMSTRUCT item{ODT_BUTTON, 0, 0, ODA_DRAWENTIRE, state, button.Hwnd(), canvas.dc, all, 0};
  SendMessageA(button.ParentHwnd(), WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&item));
}

// What binding a control changes: its procedure, font, property and user data.
auto Binding(HWND window) {
  return std::make_tuple(
      GetWindowLongPtrA(window, GWLP_WNDPROC), SendMessageA(window, WM_GETFONT, 0, 0),
      GetPropA(window, WindowBase::kPropertyName), GetWindowLongPtrA(window, GWLP_USERDATA));
}

class Controls : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dialog.Open());
    ControlBase* controls[] = {&first, &second, &hidden, nullptr, &boxInGroup,
                               &third, &solo,   &water,  &wind};
    for (size_t i = 0; i < std::size(controls); ++i)
      if (controls[i]) dialog.Attach(*controls[i], kStateIds[i]);
    dialog.Attach(push, IDC_UI_PUSH);
  }

  void Click(int id, int x = 2, int y = 2) {
    SendMessageA(Item(id), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    SendMessageA(Item(id), WM_LBUTTONUP, 0, MAKELPARAM(x, y));
  }
  void Space(int id, UINT message) {
    SendMessageA(Item(id), message, VK_SPACE, message == WM_KEYDOWN ? 0x00390001 : 0xC0390001);
  }
  void FocusAndSpace(int id) {
    SetFocus(Item(id));
    Space(id, WM_KEYDOWN);
    Space(id, WM_KEYUP);
  }
  // The buttons answer DLGC_BUTTON, not DLGC_RADIOBUTTON, on which the dialog manager
  // of Windows (not Wine's, for owner-drawn ones) clicks on arrow keys.
  void Arrow(WPARAM key, int focus) {
    MSG msg{GetFocus(), WM_KEYDOWN, key, 0, 0, {}};
    EXPECT_TRUE(IsDialogMessageA(dialog.Hwnd(), &msg));
    EXPECT_EQ(GetFocus(), Item(focus)) << "key " << key;
    EXPECT_EQ(SendMessageA(GetFocus(), WM_GETDLGCODE, 0, 0), DLGC_BUTTON);
  }
  HWND Item(int id) const { return dialog.Item(id); }
  // "radio-group solo check-boxes", 1 for each control that is on.
  std::string States() const {
    std::string states;
    for (int id : kStateIds) {
      if (id == IDC_UI_RADIO_SOLO || id == IDC_UI_CHECK_FIRST) states += ' ';
      states += SendMessageA(Item(id), BM_GETCHECK, 0, 0) == BST_CHECKED ? '1' : '0';
    }
    return states;
  }

  // Objects outlive the dialog's windows, so they are declared first.
  RingRadioButton first, second, hidden, third, solo;
  DiamondCheckBox boxInGroup, water, wind;
  PushButton push;
  GroupBox group;
  StaticText total;
  HostDialog dialog{IDD_UI_CONTROLS};
  Canvas canvas{80, 20}, focused{80, 20};  // an item 80 x 20 px
};

TEST_F(Controls, AttachedTwiceAControlIsSubclassedOnceAndDetachPutsEverythingBack) {
  HWND control = Item(IDC_UI_CHECK_FIRST), other = Item(IDC_UI_CHECK_SECOND);
  ASSERT_TRUE(water.Detach() && wind.Detach());
  SetWindowLongPtrA(control, GWLP_USERDATA, 0x5A5A);  // the control's own, which binding borrows
  const auto own = Binding(control);

  ASSERT_TRUE(water.Attach(control) && water.Attach(control));
  EXPECT_EQ(Binding(control),
            std::make_tuple(reinterpret_cast<LONG_PTR>(SharedWindowProc),
                            reinterpret_cast<LRESULT>(water.Font()), static_cast<HANDLE>(&water),
                            reinterpret_cast<LONG_PTR>(&water)));
  EXPECT_EQ(GetWindowLongA(control, GWL_STYLE) & (BS_TYPEMASK | BS_NOTIFY),
            BS_OWNERDRAW | BS_NOTIFY);
  // Two quick clicks are two clicks, not a double click.
  EXPECT_FALSE(GetClassLongPtrA(control, GCL_STYLE) & CS_DBLCLKS);
  // Bound to another control, the object lets go of the first one.
  ASSERT_TRUE(water.Attach(other));
  EXPECT_EQ(Binding(control), own);
}

TEST_F(Controls, ClicksSpaceArrowsAndSetCheckFollowTheRules) {
  const int kWater = IDC_UI_CHECK_FIRST, kWind = IDC_UI_CHECK_SECOND;
  HWND beta = Item(IDC_UI_RADIO_SECOND);
  const struct {
    std::function<void()> act;
    const char* states;
    int clicked;  // the control that sends BN_CLICKED, or 0
  } steps[] = {
      {[&] { boxInGroup.SetCheck(1), first.SetCheck(1); }, "100010 0 00", 0},
      {[&] { SendMessageA(Item(IDC_UI_RADIO_STANDARD), BM_SETCHECK, BST_CHECKED, 0); },
       "100110 0 00", 0},
      // Setting one clears the group's framework and standard radio buttons,
      // and nothing else; a group runs from one WS_GROUP to the next.
      {[&] { solo.SetCheck(1); }, "100110 1 00", 0},
      {[&] { Click(IDC_UI_RADIO_SECOND); }, "010010 1 00", IDC_UI_RADIO_SECOND},
      // Nothing switches the last one that is on off.
      {[&] { Click(IDC_UI_RADIO_SECOND); }, "010010 1 00", IDC_UI_RADIO_SECOND},
      // A hidden button takes part: set, it clears the visible one; the next one set clears it.
      {[&] { hidden.SetCheck(1); }, "001010 1 00", 0},
      {[&] { Click(IDC_UI_RADIO_THIRD); }, "000011 1 00", IDC_UI_RADIO_THIRD},
      // Only a press and a release inside click; so does the space bar, but
      // not a release without a press or after the focus moved.
      {[&] { Click(kWater, -30, 3); }, "000011 1 00", 0},
      {[&] { Click(kWater); }, "000011 1 10", kWater},
      {[&] { FocusAndSpace(kWater); }, "000011 1 00", kWater},
      {[&] { FocusAndSpace(IDC_UI_RADIO_FIRST); }, "100010 1 00", IDC_UI_RADIO_FIRST},
      // The arrow keys only move the focus within the group; up from the first wraps round.
      {[&] { Arrow(VK_DOWN, IDC_UI_RADIO_SECOND), Arrow(VK_UP, IDC_UI_RADIO_FIRST); },
       "100010 1 00", 0},
      {[&] { Arrow(VK_UP, IDC_UI_RADIO_THIRD); }, "100010 1 00", 0},
      {[&] { Space(kWind, WM_KEYUP); }, "100010 1 00", 0},
      {[&] { FocusAndSpace(kWind), Space(kWind, WM_KEYDOWN); }, "100010 1 01", kWind},
      {[&] { SetFocus(Item(kWater)), Space(kWind, WM_KEYUP); }, "100010 1 01", 0},
      // BM_SETCHECK reaches the object; only BST_CHECKED sets.
      {[&] { SendMessageA(Item(kWater), BM_SETCHECK, BST_CHECKED, 0); }, "100010 1 11", 0},
      {[&] { SendMessageA(Item(kWater), BM_SETCHECK, BST_INDETERMINATE, 0); }, "100010 1 01", 0},
      // A disabled button ignores SetCheck either way, yet on, it is another one on.
      {[&] { EnableWindow(beta, FALSE), second.SetCheck(1); }, "100010 1 01", 0},
      {[&] { EnableWindow(beta, TRUE), second.SetCheck(1), EnableWindow(beta, FALSE); },
       "010010 1 01", 0},
      {[&] { first.SetCheck(1); }, "110010 1 01", 0},
      {[&] { first.SetCheck(0); }, "010010 1 01", 0},
  };
  for (size_t row = 0; row < std::size(steps); ++row) {
    dialog.clicks.clear();
    steps[row].act();
    EXPECT_EQ(States(), steps[row].states) << "row " << row;
    // BN_CLICKED comes after the state has changed.
    decltype(dialog.clicks) expected;
    if (const int id = steps[row].clicked)
      expected.emplace_back(id, SendMessageA(Item(id), BM_GETCHECK, 0, 0));
    EXPECT_EQ(dialog.clicks, expected) << "row " << row;
  }
}

// Forty rounds of draws, a font rebuilt for each, leave no GDI object behind: the
// handle numbers, which the system hands out again once freed, would keep growing.
TEST_F(Controls, EveryStateDrawsItsBevelsMarkLabelAndFocusAndLeavesNoObject) {
  // The check box spans 0-12 x T-T+12, its diamond's centre is 6, M; the
  // radio box spans 1-12 x 4-15, its dot 5-8 x 8-11, its ring 4-9 x 7-12.
  const int t = (20 - 13) / 2, m = t + 6;
  const struct {
    ButtonBase& button;
    int on;
    UINT state;  // of the draw
    PixelRules pixels;
    const char* what;
  } cases[] = {
      {push, 0, 0, Bevel(10, 0, 79, kRaised, {{3, 3, kBackColor}}), "raised"},
      {push, 0, ODS_SELECTED, Bevel(10, 0, 79, kSunken), "pressed"},
      {push, 1, 0, Bevel(10, 0, 79, kSunken), "on"},
      {water, 0, 0, Bevel(m, 0, 12, kSunken, {{6, m, kWindow}, {14, 2, kBackColor}}), "box"},
      // The diamond: an outer one in the box colour round an inner one in the ink.
      {wind, 1, 0, {{2, m, kTextColor}, {3, m, kWindow}, {6, m, kTextColor}}, "diamond"},
      // Pressed or disabled, the box takes the back colour.
      {water, 1, ODS_SELECTED, {{9, t + 9, kBackColor}, {2, m, kTextColor}}, "pressed"},
      {wind, 1, ODS_DISABLED, {{9, t + 9, kBackColor}, {3, m, kBackColor}, {6, m, kDark}}, "dim"},
      // Shadowed top left, lit bottom right, nothing outside the round corners; the fill.
      {first, 0, 0, Bevel(9, 1, 12, kSunken, {{1, 4, kBackColor}, {12, 15, kBackColor}}), "round"},
      {second, 1, 0, {{4, 9, kTextColor}, {5, 9, kWindow}, {6, 9, kTextColor}}, "ring"},
      {second, 1, ODS_DISABLED, {{4, 9, kDark}, {5, 9, kBackColor}, {6, 9, kDark}}, "dim ring"},
  };
  auto nextHandle = [] { return LOWORD(reinterpret_cast<UINT_PTR>(MakeSolidBrush(0).Get())); };
  const int before = nextHandle();
  for (int round = 0; round < 40; ++round) {
    water.SetFaceAndHeight("MS UI Gothic", 10 + round % 5, false);
    for (const auto& drawn : cases) {
      drawn.button.SetCheck(drawn.on);
      Draw(drawn.button, canvas, drawn.state);
      Draw(drawn.button, focused, drawn.state | ODS_FOCUS);
      if (round < 39) continue;
      ExpectPixels(canvas, drawn.pixels, drawn.what);
      // The label in the text colour; disabled, engraved: a light copy one pixel right
      // of and below the dark one. The focus rectangle, dotted along its left edge with
      // nothing left of it: 4 px in on the push button, at label left - 1 on the others.
      const int edge = &drawn.button == &push ? 4 : 17;
      const RECT label{edge + 1, 2, 76, 18};
      const RECT light = canvas.Bounds(kLight, true, label),
                 dark = canvas.Bounds(kDark, true, label);
      const bool enabled = !(drawn.state & ODS_DISABLED);
      EXPECT_EQ(canvas.Count(kTextColor) > 10, enabled) << drawn.what;
      EXPECT_TRUE(enabled || (light.right == dark.right + 1 && light.bottom == dark.bottom + 1));
      EXPECT_GT(canvas.Differences(focused, {edge, 0, edge + 1, 20}), 4) << drawn.what;
      EXPECT_EQ(canvas.Differences(focused, {0, 0, edge, 20}), 0) << drawn.what;
    }
  }
  EXPECT_LT(nextHandle() - before, 100);
}

TEST_F(Controls, GroupBoxPaintsItsEtchedFrameAndCaptionAndEndsThePaint) {
  dialog.Attach(group, IDC_UI_GROUP);
  group.SetFrameColor(kFrameColor, true);
  // The frame's top line runs through the middle of the caption.
  SIZE caption{};
  const ScopedSelection font(canvas.dc, group.Font());
  GetTextExtentPoint32A(canvas.dc, "Attributes", 10, &caption);
  const int y = caption.cy / 2 + 1, cx = caption.cx;
  // Painted whole by the object: the control's own painting, which would ask
  // the dialog for the box's colours and paint its background again, never runs.
  dialog.colorRequests.clear();
  RedrawWindow(group.Hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  EXPECT_EQ(dialog.colorRequests[group.Hwnd()], 0);
  const Canvas shown(group.Hwnd());
  const PixelRules frame{{3, y, kFrameColor}, {3, y + 1, kFrameLit}, {1, y + 10, kFrameLit},
                         {6, y, kFrameColor}, {7, y, kBackColor},    {cx + 10, y, kBackColor}};
  ExpectPixels(shown, frame, "frame cut by the caption");
  const RECT text = shown.Bounds(kTextColor);
  EXPECT_TRUE(text.left >= 9 && text.right <= cx + 9 && text.bottom <= caption.cy + 2);
}

// At 144 and 192 DPI every length of the design is DPI / 96 times as long, rounded, and
// every one-pixel line is one and two pixels thick.
TEST_F(Controls, AtOtherDpisLengthsScaleAndLinesThicken) {
  dialog.Attach(group, IDC_UI_GROUP);
  group.SetFrameColor(kFrameColor, false);
  wind.SetCheck(1), second.SetCheck(1);
  for (const UINT dpi : {144u, 192u}) {
    const DpiScale s(dpi);
    const int w = s.Line(), width = s(80), height = s(20);
    EXPECT_EQ(w, dpi / 96);
    ControlBase* const scaled[] = {&push, &water, &wind, &second, &group};
    for (ControlBase* control : scaled) control->SetDpi(s, false);
    // The check box's box and middle row; the radio box's corner and the ring's middle row.
    const int boxTop = (height - s(13)) / 2, boxRow = boxTop + s(6), boxEnd = boxTop + s(13);
    const int left = s(1), top = (height - s(12)) / 2, ringRow = top + (s(3) + s(9)) / 2;
    const int focus = s(18) - s(1);  // the label's left edge, less a design pixel
    const PixelRules box = BevelAcross(s(6), boxRow, {0, boxTop, s(13), boxEnd}, kSunken, w,
                                       {{s(13), boxRow, kBackColor}, {s(6), boxEnd, kBackColor}});
    // Design pixels as blocks: the diamond's outline, gap and inner diamond; the round
    // frame's corner pixels; the ring, its fill and the dot.
    const PixelRules diamond{{s(2), boxRow, kTextColor},
                             {s(3), boxRow, kWindow},
                             {s(4), boxRow, kTextColor},
                             {s(6), boxRow, kTextColor}};
    const PixelRules round{
        {left - 1, top + s(4), kBackColor},     {left, top + s(4), kDark},
        {left, top + s(4) - 1, kBackColor},     {left + s(11), top + s(4), kLighter},
        {left + s(12), top + s(4), kBackColor}, {left + s(3) + w - 1, ringRow, kTextColor},
        {left + s(3) + w, ringRow, kWindow},    {left + s(5), ringRow, kTextColor}};
    const struct {
      ButtonBase& button;
      PixelRules pixels;
      int focusLeft;
    } cases[] = {{push, BevelAcross(s(3), height / 2, {0, 0, width, height}, kRaised, w, {}), s(4)},
                 {water, box, focus},
                 {wind, diamond, focus},
                 {second, round, focus}};
    Canvas plain(width, height), withFocus(width, height);
    for (const auto& drawn : cases) {
      Draw(drawn.button, plain, 0);
      Draw(drawn.button, withFocus, ODS_FOCUS);
      const int edge = drawn.focusLeft;
      ExpectPixels(plain, drawn.pixels, std::to_string(dpi).c_str());
      EXPECT_GT(plain.Differences(withFocus, {edge, 0, edge + 1, height}), 4) << edge;
      EXPECT_EQ(plain.Differences(withFocus, {0, 0, edge, height}), 0) << edge;
    }
    // The label at x = 18 of the design; a pushed one a design pixel right and down.
    Draw(water, plain, 0);
    const LONG labelLeft = plain.Bounds(kTextColor).left;
    EXPECT_TRUE(labelLeft >= s(18) && labelLeft <= s(18) + s(1)) << labelLeft;
    Draw(push, plain, 0);
    Draw(push, withFocus, ODS_SELECTED);
    const RECT raised = plain.Bounds(kTextColor), pushed = withFocus.Bounds(kTextColor);
    EXPECT_EQ(pushed.left - raised.left, s(1));
    EXPECT_EQ(pushed.top - raised.top, s(1));

    // The group box's etched frame, its top line cut out by the caption from x = 7 to cx + 11.
    RedrawWindow(dialog.Hwnd(), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    SIZE caption{};
    {
      const ScopedSelection font(plain.dc, group.Font());
      GetTextExtentPoint32A(plain.dc, "Attributes", 10, &caption);
    }
    const Canvas shown(group.Hwnd());
    const int y = caption.cy / 2 + s(1), cx = caption.cx, x = s(7) - 1;
    const COLORREF inside = shown.Pixel(shown.width / 2, shown.height / 2);
    constexpr COLORREF kEtched[] = {kFrameColor, kFrameLit, kFrameColor, kFrameLit};
    const PixelRules frame =
        BevelAcross(x, y + s(20), {0, y, shown.width, shown.height}, kEtched, w,
                    {{x, y - 1, inside},
                     {x, y + 2 * w, inside},
                     {2 * w, y + s(20), inside},
                     {s(7), y, kBackColor},
                     {cx + s(11) - 1, y, kBackColor},
                     {cx + s(11), y, kFrameColor}});
    ExpectPixels(shown, frame, "group");
    const RECT text = shown.Bounds(kTextColor);
    EXPECT_TRUE(text.left >= s(9) && text.right <= cx + s(9) && text.top >= s(1)) << dpi;
  }
}

TEST_F(Controls, TotalDisplayShowsItsOwnFontAndColoursUntilDetached) {
  HWND control = Item(IDC_UI_STATIC);
  const LRESULT ownFont = SendMessageA(control, WM_GETFONT, 0, 0);
  dialog.Attach(total, IDC_UI_STATIC);
  auto digitHeight = [&] {
    RedrawWindow(control, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    const Canvas shown(control);
    EXPECT_EQ(shown.Pixel(1, 1), kBackColor);
    EXPECT_GT(shown.Count(kTextColor), 10);
    const RECT ink = shown.Bounds(kBackColor, false);
    return ink.bottom - ink.top;
  };
  const int small = digitHeight();
  // The 22 px bold font really shows: it is installed with WM_SETFONT.
  total.SetFaceAndHeight("MS UI Gothic", 22, true);
  total.SetBold(1, true);
  EXPECT_GE(digitHeight(), small + 5);
  ASSERT_TRUE(total.Detach());
  EXPECT_EQ(SendMessageA(control, WM_GETFONT, 0, 0), ownFont);
}

// An owner gives its handle back when it goes and cannot be copied (the GDI and press owners'
// handles are counted where they are used).
TEST(OwnedHandleTest, GivesItsHandleBackWhenItGoes) {
  static_assert(!std::is_copy_constructible_v<OwnedIcon> && !std::is_copy_assignable_v<OwnedIcon>);
  HICON icon = CopyIcon(LoadIconA(nullptr, IDI_APPLICATION));
  ICONINFO info{};
  { const OwnedIcon owned(icon); }
  EXPECT_FALSE(GetIconInfo(icon, &info));
}

// A move to a monitor of another DPI places every control of the template at its rectangle of
// the 96-DPI dialog times the DPI / 96, and the window at the suggested rectangle; back at 96 DPI
// the controls stand exactly where the dialog manager put them (the same base units).
TEST(DialogDpiTest, AMoveToAnotherDpiPlacesTheTemplateScaledAndBackAgain) {
  HostDialog dialog(IDD_UI_CONTROLS);
  ASSERT_TRUE(dialog.Open());
  auto childRects = [&] {
    std::vector<RECT> rects;
    for (HWND child = GetWindow(dialog.Hwnd(), GW_CHILD); child;
         child = GetWindow(child, GW_HWNDNEXT)) {
      RECT rect;
      GetWindowRect(child, &rect);
      MapWindowPoints(nullptr, dialog.Hwnd(), reinterpret_cast<POINT*>(&rect), 2);
      rects.push_back(rect);
    }
    return rects;
  };
  auto changeDpi = [&](UINT dpi, RECT suggested) {
    SendMessageA(dialog.Hwnd(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi),
                 reinterpret_cast<LPARAM>(&suggested));
  };
  const std::vector<RECT> designed = childRects();
  ASSERT_GT(designed.size(), 5u);
  RECT window;
  GetWindowRect(dialog.Hwnd(), &window);

  const RECT suggested{window.left + 10, window.top + 20, window.left + 710, window.top + 520};
  changeDpi(192, suggested);
  const std::vector<RECT> doubled = childRects();
  ASSERT_EQ(designed.size(), doubled.size());
  for (size_t i = 0; i < designed.size(); ++i) {
    const RECT& d = designed[i];
    EXPECT_EQ((RECT{2 * d.left, 2 * d.top, 2 * d.right, 2 * d.bottom}), doubled[i]) << i;
  }
  RECT moved;
  GetWindowRect(dialog.Hwnd(), &moved);
  EXPECT_EQ(suggested, moved);

  changeDpi(96, window);
  EXPECT_EQ(designed, childRects());
}

}  // namespace
