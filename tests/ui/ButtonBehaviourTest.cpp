// Check states: the click tracking, the radio group rule (hidden buttons
// included), the keyboard, toggle mode and the answers to button messages.
#include <gtest/gtest.h>
#include <windows.h>

#include "TestDialog.h"
#include "UiTestIds.h"
#include "ui/AppMessages.h"
#include "ui/CheckBox.h"
#include "ui/DiamondCheckBox.h"
#include "ui/PushButton.h"
#include "ui/RingRadioButton.h"
#include "ui/StaticText.h"

namespace {

class ButtonBehaviour : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dialog.Open());
    dialog.AttachButton(first, IDC_UI_RADIO_FIRST);
    dialog.AttachButton(second, IDC_UI_RADIO_SECOND);
    dialog.AttachButton(hidden, IDC_UI_RADIO_HIDDEN);
    dialog.AttachButton(third, IDC_UI_RADIO_THIRD);
    dialog.AttachButton(boxInRadioGroup, IDC_UI_CHECK_IN_RADIO_GROUP);
    dialog.AttachButton(water, IDC_UI_CHECK_FIRST);
    dialog.AttachButton(wind, IDC_UI_CHECK_SECOND);
    dialog.AttachButton(push, IDC_UI_PUSH);
    dialog.AttachButton(solo, IDC_UI_RADIO_SOLO);
    dialog.AttachStatic(total, IDC_UI_STATIC);
    PumpUntilIdle();
  }

  static void Click(HWND control, int x, int y) {
    SendMessageA(control, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    SendMessageA(control, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
  }
  static void Click(HWND control) { Click(control, 2, 2); }
  static void PressSpace(HWND control) {
    SetFocus(control);
    SendMessageA(control, WM_KEYDOWN, VK_SPACE, 0x00390001);
    SendMessageA(control, WM_KEYUP, VK_SPACE, 0xC0390001);
  }
  // Lets the dialog manager handle a key pressed on the focused control.
  bool DialogKey(WPARAM key) {
    MSG msg{GetFocus(), WM_KEYDOWN, key, 0, 0, {}};
    return IsDialogMessageA(dialog.Hwnd(), &msg) != FALSE;
  }
  HWND Item(int id) const { return dialog.Item(id); }

  // Objects outlive the dialog's windows, so they are declared first.
  RingRadioButton first, second, hidden, third;
  RadioButton solo;
  DiamondCheckBox boxInRadioGroup;
  CheckBox water, wind;
  PushButton push;
  StaticText total;
  TestDialog dialog{IDD_UI_CONTROLS};
};

::testing::AssertionResult ClickWas(const TestDialog::Click& click, int id, LRESULT checkState) {
  if (click.id == id && click.checkState == checkState) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "BN_CLICKED from " << click.id << " with state " << click.checkState;
}

}  // namespace

TEST_F(ButtonBehaviour, ClickSetsTheRadioButtonBeforeTheDialogHearsAndClearsItsGroup) {
  HWND standard = Item(IDC_UI_RADIO_STANDARD);
  first.SetCheck(1);
  boxInRadioGroup.SetCheck(1);
  SendMessageA(standard, BM_SETCHECK, BST_CHECKED, 0);
  ASSERT_EQ(SendMessageA(standard, BM_GETCHECK, 0, 0), BST_CHECKED);

  Click(Item(IDC_UI_RADIO_SECOND));
  EXPECT_TRUE(second.GetCheck());
  EXPECT_FALSE(first.GetCheck());
  EXPECT_EQ(SendMessageA(standard, BM_GETCHECK, 0, 0), BST_UNCHECKED);
  EXPECT_TRUE(boxInRadioGroup.GetCheck());
  EXPECT_FALSE(solo.GetCheck());
  ASSERT_EQ(dialog.clicks.size(), 1u);
  EXPECT_TRUE(ClickWas(dialog.clicks[0], IDC_UI_RADIO_SECOND, BST_CHECKED));

  // A click on the one that is on leaves it on; nothing switches the last one off.
  Click(Item(IDC_UI_RADIO_SECOND));
  EXPECT_TRUE(second.GetCheck());
  second.SetCheck(0);
  EXPECT_TRUE(second.GetCheck());
  SendMessageA(Item(IDC_UI_RADIO_SECOND), BM_SETCHECK, BST_UNCHECKED, 0);
  EXPECT_EQ(SendMessageA(Item(IDC_UI_RADIO_SECOND), BM_GETCHECK, 0, 0), BST_CHECKED);
  solo.SetCheck(1);
  solo.SetCheck(0);
  EXPECT_TRUE(solo.GetCheck());

  // With another one on, switching off is allowed.
  third.SetCheck(1);
  EXPECT_FALSE(second.GetCheck());
  first.SetStateBits(1);
  third.SetCheck(0);
  EXPECT_FALSE(third.GetCheck());

  // Disabled radio buttons ignore SetCheck both ways.
  EnableWindow(Item(IDC_UI_RADIO_SECOND), FALSE);
  second.SetCheck(1);
  EXPECT_FALSE(second.GetCheck());
}

TEST_F(ButtonBehaviour, OnlyAReleaseInsideAfterAPressChangesTheState) {
  HWND box = Item(IDC_UI_CHECK_FIRST);
  Click(box, -30, 3);
  EXPECT_FALSE(water.GetCheck());
  SendMessageA(box, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
  EXPECT_FALSE(water.GetCheck());
  EXPECT_TRUE(dialog.clicks.empty());

  Click(box);
  EXPECT_TRUE(water.GetCheck());
  Click(box);
  EXPECT_FALSE(water.GetCheck());
  ASSERT_EQ(dialog.clicks.size(), 2u);
  EXPECT_TRUE(ClickWas(dialog.clicks[0], IDC_UI_CHECK_FIRST, BST_CHECKED));
  EXPECT_TRUE(ClickWas(dialog.clicks[1], IDC_UI_CHECK_FIRST, BST_UNCHECKED));

  // BM_CLICK is a press and a release inside.
  SendMessageA(box, BM_CLICK, 0, 0);
  EXPECT_TRUE(water.GetCheck());
}

TEST_F(ButtonBehaviour, HiddenRadioButtonsTakePartInTheGroup) {
  first.SetCheck(1);
  // Setting a hidden button ends and clears the visible one.
  hidden.SetCheck(1);
  EXPECT_TRUE(hidden.GetCheck());
  EXPECT_FALSE(first.GetCheck());
  // A hidden button that is on is cleared by the next one set.
  Click(Item(IDC_UI_RADIO_THIRD));
  EXPECT_TRUE(third.GetCheck());
  EXPECT_FALSE(hidden.GetCheck());
  // The hidden one counts as another one on.
  hidden.SetStateBits(1);
  third.SetCheck(0);
  EXPECT_FALSE(third.GetCheck());
}

TEST_F(ButtonBehaviour, SpaceClicksArrowsOnlyMoveTheFocusAndTabLeavesTheGroup) {
  PressSpace(Item(IDC_UI_CHECK_FIRST));
  EXPECT_TRUE(water.GetCheck());
  PressSpace(Item(IDC_UI_CHECK_FIRST));
  EXPECT_FALSE(water.GetCheck());
  first.SetCheck(1);
  PressSpace(Item(IDC_UI_RADIO_SECOND));
  EXPECT_TRUE(second.GetCheck());
  EXPECT_FALSE(first.GetCheck());
  ASSERT_EQ(dialog.clicks.size(), 3u);
  EXPECT_TRUE(ClickWas(dialog.clicks[0], IDC_UI_CHECK_FIRST, BST_CHECKED));
  EXPECT_TRUE(ClickWas(dialog.clicks[1], IDC_UI_CHECK_FIRST, BST_UNCHECKED));
  EXPECT_TRUE(ClickWas(dialog.clicks[2], IDC_UI_RADIO_SECOND, BST_CHECKED));

  // A release without a press, or one after the focus moved, does nothing.
  SendMessageA(Item(IDC_UI_CHECK_SECOND), WM_KEYUP, VK_SPACE, 0xC0390001);
  SetFocus(Item(IDC_UI_CHECK_SECOND));
  SendMessageA(Item(IDC_UI_CHECK_SECOND), WM_KEYDOWN, VK_SPACE, 0x00390001);
  SetFocus(Item(IDC_UI_PUSH));
  SendMessageA(Item(IDC_UI_CHECK_SECOND), WM_KEYUP, VK_SPACE, 0xC0390001);
  EXPECT_FALSE(wind.GetCheck());
  EXPECT_EQ(dialog.clicks.size(), 3u);

  dialog.clicks.clear();
  SetFocus(Item(IDC_UI_RADIO_FIRST));
  EXPECT_TRUE(DialogKey(VK_DOWN));
  EXPECT_EQ(GetFocus(), Item(IDC_UI_RADIO_SECOND));
  EXPECT_TRUE(DialogKey(VK_UP));
  EXPECT_EQ(GetFocus(), Item(IDC_UI_RADIO_FIRST));
  EXPECT_TRUE(DialogKey(VK_UP));  // wraps round to the last of the group
  EXPECT_EQ(GetFocus(), Item(IDC_UI_RADIO_THIRD));
  EXPECT_TRUE(second.GetCheck());
  EXPECT_FALSE(first.GetCheck());
  EXPECT_FALSE(third.GetCheck());
  PumpUntilIdle();
  EXPECT_TRUE(dialog.clicks.empty());

  SetFocus(Item(IDC_UI_RADIO_FIRST));
  EXPECT_TRUE(DialogKey(VK_TAB));
  EXPECT_EQ(GetFocus(), Item(IDC_UI_CHECK_FIRST));
  PumpUntilIdle();
  EXPECT_TRUE(dialog.clicks.empty());
}

TEST_F(ButtonBehaviour, ButtonsAnswerTheirKindStateBitsAndToggleMode) {
  EXPECT_EQ(SendMessageA(Item(IDC_UI_PUSH), WM_APP_CONTROL_KIND, 0, 0), kKindPushButton);
  EXPECT_EQ(SendMessageA(Item(IDC_UI_CHECK_FIRST), WM_APP_CONTROL_KIND, 0, 0), kKindCheckBox);
  EXPECT_EQ(SendMessageA(Item(IDC_UI_RADIO_FIRST), WM_APP_CONTROL_KIND, 0, 0), kKindRadioButton);
  EXPECT_EQ(SendMessageA(Item(IDC_UI_RADIO_STANDARD), WM_APP_CONTROL_KIND, 0, 0), kKindNone);
  EXPECT_EQ(SendMessageA(Item(IDC_UI_STATIC), WM_APP_CONTROL_KIND, 0, 0), kKindNone);

  EXPECT_EQ(SendMessageA(Item(IDC_UI_CHECK_FIRST), BM_SETCHECK, BST_CHECKED, 0), 0);
  EXPECT_TRUE(water.GetCheck());
  EXPECT_EQ(IsDlgButtonChecked(dialog.Hwnd(), IDC_UI_CHECK_FIRST), static_cast<UINT>(BST_CHECKED));
  SendMessageA(Item(IDC_UI_CHECK_FIRST), BM_SETCHECK, BST_INDETERMINATE, 0);
  EXPECT_FALSE(water.GetCheck());

  Click(Item(IDC_UI_PUSH));
  EXPECT_FALSE(push.GetCheck());
  push.SetStateBits(2);
  Click(Item(IDC_UI_PUSH));
  EXPECT_EQ(push.GetStateBits(), 3);
  Click(Item(IDC_UI_PUSH), -5, -5);
  EXPECT_EQ(push.GetStateBits(), 3);
  Click(Item(IDC_UI_PUSH));
  EXPECT_EQ(push.GetStateBits(), 2);
  ASSERT_EQ(dialog.clicks.size(), 3u);
  EXPECT_EQ(dialog.clicks[1].id, IDC_UI_PUSH);
}
