// Check states: the click tracking, the radio group rule (hidden and disabled
// buttons included), the keyboard, toggle mode and BM_SETCHECK.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "UiTestIds.h"
#include "harness/WindowTestSupport.h"
#include "ui/CheckBox.h"
#include "ui/DiamondCheckBox.h"
#include "ui/PushButton.h"
#include "ui/RingRadioButton.h"

namespace {

// The controls whose states the steps read, in dialog order: the radio group
// (first, second, hidden, standard radio button, check box, third), the solo
// radio button, the two check boxes and the push button.
constexpr int kStateIds[] = {
    IDC_UI_RADIO_FIRST,          IDC_UI_RADIO_SECOND, IDC_UI_RADIO_HIDDEN, IDC_UI_RADIO_STANDARD,
    IDC_UI_CHECK_IN_RADIO_GROUP, IDC_UI_RADIO_THIRD,  IDC_UI_RADIO_SOLO,   IDC_UI_CHECK_FIRST,
    IDC_UI_CHECK_SECOND,         IDC_UI_PUSH};

class ButtonBehaviour : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dialog.Open());
    ControlBase* controls[] = {&first, &second, &hidden, nullptr, &boxInGroup,
                               &third, &solo,   &water,  &wind,   &push};
    for (size_t i = 0; i < std::size(controls); ++i)
      if (controls[i]) dialog.Attach(*controls[i], kStateIds[i]);
    dialog.Attach(total, IDC_UI_STATIC);
    PumpUntilIdle();
  }

  void Click(int id, int x = 2, int y = 2) {
    SendMessageA(Item(id), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    SendMessageA(Item(id), WM_LBUTTONUP, 0, MAKELPARAM(x, y));
  }
  void Space(int id, UINT message) {
    SendMessageA(Item(id), message, VK_SPACE, message == WM_KEYDOWN ? 0x00390001 : 0xC0390001);
  }
  void PressSpace(int id) {
    SetFocus(Item(id));
    Space(id, WM_KEYDOWN);
    Space(id, WM_KEYUP);
  }
  void SetCheck(int id, WPARAM state) { SendMessageA(Item(id), BM_SETCHECK, state, 0); }
  HWND Item(int id) const { return dialog.Item(id); }
  // "radio group solo check-boxes-and-push", 1 for each control that is on.
  std::string States() const {
    std::string states;
    for (int id : kStateIds) {
      if (id == IDC_UI_RADIO_SOLO || id == IDC_UI_CHECK_FIRST) states += ' ';
      states += SendMessageA(Item(id), BM_GETCHECK, 0, 0) == BST_CHECKED ? '1' : '0';
    }
    return states;
  }

  // Objects outlive the dialog's windows, so they are declared first.
  RingRadioButton first, second, hidden, third;
  RadioButton solo;
  DiamondCheckBox boxInGroup;
  CheckBox water, wind;
  PushButton push;
  StaticText total;
  HostDialog dialog{IDD_UI_CONTROLS};
};

}  // namespace

TEST_F(ButtonBehaviour, ClicksSpaceAndSetCheckFollowTheRules) {
  struct Step {
    std::function<void()> act;
    const char* states;
    int clicked;  // the control that sends BN_CLICKED, or 0
  };
  const Step steps[] = {
      {[&] { first.SetCheck(1); }, "100000 0 000", 0},
      {[&] { boxInGroup.SetCheck(1); }, "100010 0 000", 0},
      {[&] { SetCheck(IDC_UI_RADIO_STANDARD, BST_CHECKED); }, "100110 0 000", 0},
      // A click clears the group's framework and standard radio buttons, and
      // nothing else.
      {[&] { Click(IDC_UI_RADIO_SECOND); }, "010010 0 000", IDC_UI_RADIO_SECOND},
      // Nothing switches the last one that is on off.
      {[&] { Click(IDC_UI_RADIO_SECOND); }, "010010 0 000", IDC_UI_RADIO_SECOND},
      {[&] { second.SetCheck(0); }, "010010 0 000", 0},
      {[&] { solo.SetCheck(1); }, "010010 1 000", 0},
      // A hidden button takes part: setting it ends and clears the visible
      // one, the next one set clears it, and while on it is another one on.
      {[&] { hidden.SetCheck(1); }, "001010 1 000", 0},
      {[&] { Click(IDC_UI_RADIO_THIRD); }, "000011 1 000", IDC_UI_RADIO_THIRD},
      {[&] { hidden.SetStateBits(1); }, "001011 1 000", 0},
      {[&] { third.SetCheck(0); }, "001010 1 000", 0},
      // Only a press and a release inside click.
      {[&] { Click(IDC_UI_CHECK_FIRST, -30, 3); }, "001010 1 000", 0},
      {[&] { Click(IDC_UI_CHECK_FIRST); }, "001010 1 100", IDC_UI_CHECK_FIRST},
      // The space bar clicks; a release without a press, or after the focus
      // moved, does nothing.
      {[&] { PressSpace(IDC_UI_CHECK_FIRST); }, "001010 1 000", IDC_UI_CHECK_FIRST},
      {[&] { PressSpace(IDC_UI_CHECK_SECOND); }, "001010 1 010", IDC_UI_CHECK_SECOND},
      {[&] { PressSpace(IDC_UI_RADIO_THIRD); }, "000011 1 010", IDC_UI_RADIO_THIRD},
      {[&] { Space(IDC_UI_CHECK_FIRST, WM_KEYUP); }, "000011 1 010", 0},
      {[&] { SetFocus(Item(IDC_UI_CHECK_SECOND)); }, "000011 1 010", 0},
      {[&] { Space(IDC_UI_CHECK_SECOND, WM_KEYDOWN); }, "000011 1 010", 0},
      {[&] { SetFocus(Item(IDC_UI_PUSH)); }, "000011 1 010", 0},
      {[&] { Space(IDC_UI_CHECK_SECOND, WM_KEYUP); }, "000011 1 010", 0},
      // BM_SETCHECK reaches the object; only BST_CHECKED sets.
      {[&] { SetCheck(IDC_UI_CHECK_FIRST, BST_CHECKED); }, "000011 1 110", 0},
      {[&] { SetCheck(IDC_UI_CHECK_FIRST, BST_INDETERMINATE); }, "000011 1 010", 0},
      // A push button keeps no state unless in toggle mode; then a click
      // inside flips it.
      {[&] { Click(IDC_UI_PUSH); }, "000011 1 010", IDC_UI_PUSH},
      {[&] { push.SetStateBits(2); }, "000011 1 010", 0},
      {[&] { Click(IDC_UI_PUSH); }, "000011 1 011", IDC_UI_PUSH},
      {[&] { Click(IDC_UI_PUSH, -5, -5); }, "000011 1 011", 0},
      {[&] { Click(IDC_UI_PUSH); }, "000011 1 010", IDC_UI_PUSH},
      // Disabled radio buttons ignore SetCheck both ways.
      {[&] { EnableWindow(Item(IDC_UI_RADIO_SECOND), FALSE); }, "000011 1 010", 0},
      {[&] { second.SetCheck(1); }, "000011 1 010", 0},
      {[&] { first.SetCheck(1); }, "100010 1 010", 0},
      {[&] { EnableWindow(Item(IDC_UI_RADIO_FIRST), FALSE); }, "100010 1 010", 0},
      {[&] { hidden.SetStateBits(1); }, "101010 1 010", 0},
      {[&] { first.SetCheck(0); }, "101010 1 010", 0},
  };
  for (size_t row = 0; row < std::size(steps); ++row) {
    dialog.clicks.clear();
    steps[row].act();
    EXPECT_EQ(States(), steps[row].states) << "row " << row;
    // BN_CLICKED comes after the state has changed.
    HostDialog::Clicks expected;
    if (steps[row].clicked)
      expected.emplace_back(steps[row].clicked,
                            SendMessageA(Item(steps[row].clicked), BM_GETCHECK, 0, 0));
    EXPECT_EQ(dialog.clicks, expected) << "row " << row;
  }
  EXPECT_EQ(push.GetStateBits(), 2);
}

TEST_F(ButtonBehaviour, ArrowsOnlyMoveTheFocusAndTabLeavesTheGroup) {
  first.SetCheck(1);
  SetFocus(Item(IDC_UI_RADIO_FIRST));
  // Up from the first wraps round to the last of the group.
  const std::pair<WPARAM, int> moves[] = {{VK_DOWN, IDC_UI_RADIO_SECOND},
                                          {VK_UP, IDC_UI_RADIO_FIRST},
                                          {VK_UP, IDC_UI_RADIO_THIRD},
                                          {VK_TAB, IDC_UI_CHECK_FIRST}};
  for (auto [key, focus] : moves) {
    MSG msg{GetFocus(), WM_KEYDOWN, key, 0, 0, {}};
    EXPECT_TRUE(IsDialogMessageA(dialog.Hwnd(), &msg));
    EXPECT_EQ(GetFocus(), Item(focus)) << "key " << key << " should focus " << focus;
  }
  PumpUntilIdle();
  EXPECT_EQ(States(), "100000 0 000");
  EXPECT_TRUE(dialog.clicks.empty());
}
