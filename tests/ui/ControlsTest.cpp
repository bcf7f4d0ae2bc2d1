// The framework's controls in a real dialog: binding; check states after clicks, the space bar,
// arrow keys and BM_SETCHECK by the radio group rule; drawing read back pixel by pixel.
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

// The controls whose states are read: the radio group (first, second, hidden, a standard radio
// button, a check box, third), the solo radio button, two check boxes.
constexpr int kStateIds[] = {
    IDC_UI_RADIO_FIRST,    IDC_UI_RADIO_SECOND,         IDC_UI_RADIO_HIDDEN,
    IDC_UI_RADIO_STANDARD, IDC_UI_CHECK_IN_RADIO_GROUP, IDC_UI_RADIO_THIRD,
    IDC_UI_RADIO_SOLO,     IDC_UI_CHECK_FIRST,          IDC_UI_CHECK_SECOND};

using PixelRules = std::vector<std::tuple<int, int, COLORREF>>;  // x, y, colour

void ExpectPixels(const Canvas& canvas, const PixelRules& rules, const char* what) {
  for (auto [x, y, color] : rules)
    EXPECT_EQ(canvas.Pixel(x, y), color) << what << " " << x << "," << y;
}

// On row y, a bevel's outer and inner left line from x left, its inner and outer right line up to x
// right, in the colours in that order, each `line` pixels thick; then more rules.
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
  // The buttons answer DLGC_BUTTON, not DLGC_RADIOBUTTON, on which the dialog manager of Windows
  // (not Wine's, for owner-drawn ones) clicks on arrow keys.
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
      // Setting one clears the group's framework and standard radio buttons, and nothing else; a
      // group runs from one WS_GROUP to the next.
      {[&] { solo.SetCheck(1); }, "100110 1 00", 0},
      {[&] { Click(IDC_UI_RADIO_SECOND); }, "010010 1 00", IDC_UI_RADIO_SECOND},
      // Nothing switches the last one that is on off.
      {[&] { Click(IDC_UI_RADIO_SECOND); }, "010010 1 00", IDC_UI_RADIO_SECOND},
      // A hidden button takes part: set, it clears the visible one; the next one set clears it.
      {[&] { hidden.SetCheck(1); }, "001010 1 00", 0},
      {[&] { Click(IDC_UI_RADIO_THIRD); }, "000011 1 00", IDC_UI_RADIO_THIRD},
      // Only a press and a release inside click; so does the space bar, but not a release without a
      // press or after the focus moved.
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

// At 96, 144 and 192 DPI every length of the design is DPI / 96 times as long, rounded, and every
// one-pixel line one, one and two pixels thick. Forty rounds of draws at each, a font rebuilt for
// each, leave no GDI object behind: the handle numbers, which the system hands out again once
// freed, would keep growing.
TEST_F(Controls, EveryStateDrawsItsBevelsMarkLabelAndFocusAndLeavesNoObject) {
  auto nextHandle = [] { return LOWORD(reinterpret_cast<UINT_PTR>(MakeSolidBrush(0).Get())); };
  const int before = nextHandle();
  for (const UINT dpi : {96u, 144u, 192u}) {
    const DpiScale s(dpi);
    const int w = dpi / 96, width = s(80), height = s(20);  // an item 80 x 20 of the design
    Canvas canvas(width, height), focused(width, height);
    for (ButtonBase* button :
         std::initializer_list<ButtonBase*>{&push, &water, &wind, &first, &second})
      button->SetDpi(s, false);
    // The check box's top T and middle M (its diamond's centre at x = 6 of the design); the radio
    // box's corner L, R, a row Y through the middle of its ring and dot, and where its design
    // column and row d start: design pixel d from a box's corner fills [s(d), s(d + 1)).
    const int t = (height - s(13)) / 2, m = t + s(6), l = s(1), r = (height - s(12)) / 2;
    const int y = r + (s(3) + s(9)) / 2, sunkRow = height / 2;
    auto x = [&](int d) { return l + s(d); };
    auto row = [&](int d) { return r + s(d); };
    const PixelRules raised =
        BevelAcross(s(3), sunkRow, {0, 0, width, height}, kRaised, w, {{s(3), s(3), kBackColor}});
    const PixelRules sunk = Bevel(sunkRow, 0, width - 1, kSunken, {}, w);
    const PixelRules box = BevelAcross(s(6), m, {0, t, s(13), t + s(13)}, kSunken, w,
                                       {{s(6), m, kWindow},
                                        {s(13), m, kBackColor},
                                        {s(6), t + s(13), kBackColor},
                                        {s(14), s(2), kBackColor}});
    // The diamond: an outer one in the ink, a gap in the box colour, an inner one in the ink.
    const PixelRules diamond{
        {s(2), m, kTextColor}, {s(3), m, kWindow}, {s(4), m, kTextColor}, {s(6), m, kTextColor}};
    // Pressed or disabled, the box takes the back colour.
    const PixelRules pressedBox{{s(9), t + s(9), kBackColor}, {s(2), m, kTextColor}};
    const PixelRules dimDiamond{
        {s(9), t + s(9), kBackColor}, {s(3), m, kBackColor}, {s(6), m, kDark}};
    // Shadowed top left, lit bottom right, nothing outside the round corners.
    const PixelRules round{
        {l - 1, row(4), kBackColor}, {l, row(4) - 1, kBackColor},  {l, r, kBackColor},
        {x(12), row(4), kBackColor}, {x(11), row(11), kBackColor}, {l, row(5), kDark},
        {x(1), row(5), kDarker},     {x(10), row(5), kLight},      {x(11), row(5), kLighter}};
    // The ring, an ellipse at scaled edges, and the dot.
    auto ring = [&](COLORREF ink, COLORREF inside) {
      return PixelRules{{x(3) + w - 1, y, ink}, {x(3) + w, y, inside}, {x(5), y, ink}};
    };
    const std::tuple<ButtonBase&, int, UINT, PixelRules, const char*> cases[] = {
        {push, 0, 0, raised, "raised"},
        {push, 0, ODS_SELECTED, sunk, "pressed"},
        {push, 1, 0, sunk, "on"},
        {water, 0, 0, box, "box"},
        {wind, 1, 0, diamond, "diamond"},
        {water, 1, ODS_SELECTED, pressedBox, "pressed"},
        {wind, 1, ODS_DISABLED, dimDiamond, "dim"},
        {first, 0, 0, round, "round"},
        {second, 1, 0, ring(kTextColor, kWindow), "ring"},
        {second, 1, ODS_DISABLED, ring(kDark, kBackColor), "dim ring"}};
    for (int round = 0; round < 40; ++round) {
      water.SetFaceAndHeight("MS UI Gothic", 10 + round % 5, false);
      for (const auto& [button, on, state, pixels, what] : cases) {
        button.SetCheck(on);
        Draw(button, canvas, state);
        Draw(button, focused, state | ODS_FOCUS);
        if (round < 39) continue;
        SCOPED_TRACE(std::to_string(dpi) + " " + what);
        ExpectPixels(canvas, pixels, "");
        // The label in the text colour; disabled, engraved: a light copy a design pixel right of
        // and below the dark one. The focus rectangle, dotted along its left edge with nothing left
        // of it: 4 px in on the push button, at the label's left less a design pixel on the others.
        const int edge = &button == &push ? s(4) : s(18) - s(1);
        const RECT label{edge + 1, s(2), s(76), s(18)};
        const RECT light = canvas.Bounds(kLight, true, label),
                   dark = canvas.Bounds(kDark, true, label);
        const bool enabled = !(state & ODS_DISABLED);
        EXPECT_EQ(canvas.Count(kTextColor) > 10, enabled);
        EXPECT_TRUE(enabled ||
                    (light.right == dark.right + s(1) && light.bottom == dark.bottom + s(1)));
        EXPECT_GT(canvas.Differences(focused, {edge, 0, edge + 1, height}), 4);
        EXPECT_EQ(canvas.Differences(focused, {0, 0, edge, height}), 0);
      }
    }
    // The label at x = 18 of the design; a pushed one a design pixel right and down.
    water.SetCheck(0), push.SetCheck(0);
    Draw(water, canvas, 0);
    const LONG labelLeft = canvas.Bounds(kTextColor).left;
    EXPECT_TRUE(labelLeft >= s(18) && labelLeft <= s(18) + s(1)) << labelLeft;
    Draw(push, canvas, 0);
    Draw(push, focused, ODS_SELECTED);
    const RECT up = canvas.Bounds(kTextColor), down = focused.Bounds(kTextColor);
    EXPECT_EQ(down.left - up.left, s(1));
    EXPECT_EQ(down.top - up.top, s(1));
  }
  EXPECT_LT(nextHandle() - before, 100);
}

// The etched frame's top line runs through the middle of the caption, which cuts it out from x = 7
// to cx + 11 of the design; at 144 and 192 DPI every length scales and the lines thicken. Painted
// whole by the object: the control's own painting, which would ask the dialog for the box's colours
// and paint its background again, never runs.
TEST_F(Controls, GroupBoxPaintsItsEtchedFrameAndCaptionAndEndsThePaint) {
  dialog.Attach(group, IDC_UI_GROUP);
  group.SetFrameColor(kFrameColor, false);
  for (const UINT dpi : {96u, 144u, 192u}) {
    const DpiScale s(dpi);
    const int w = dpi / 96;
    group.SetDpi(s, false);
    dialog.colorRequests.clear();
    RedrawWindow(dialog.Hwnd(), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    EXPECT_EQ(dialog.colorRequests[group.Hwnd()], 0);
    const Canvas shown(group.Hwnd());
    SIZE caption{};
    {
      const ScopedSelection font(shown.dc, group.Font());
      GetTextExtentPoint32A(shown.dc, "Attributes", 10, &caption);
    }
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
    ExpectPixels(shown, frame, std::to_string(dpi).c_str());
    const RECT text = shown.Bounds(kTextColor);
    EXPECT_TRUE(text.left >= s(9) && text.right <= cx + s(9) && text.top >= s(1) &&
                text.bottom <= caption.cy + s(2))
        << dpi;
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

}  // namespace
