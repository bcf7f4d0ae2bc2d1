// Running dialogs: modal results from IDOK, IDCANCEL and the close box, the
// refusals of Run, and the centring.
#include <gtest/gtest.h>
#include <windows.h>

#include "TestDialog.h"
#include "UiTestIds.h"

namespace {

// Runs the plain dialog modally and posts one message to it once it is up.
INT_PTR RunModalAndPost(TestDialog& dialog, UINT msg, WPARAM wParam, bool& modalDuringRun) {
  dialog.onInit = [&](HWND window) {
    modalDuringRun = dialog.IsModal();
    PostMessageA(window, msg, wParam, 0);
  };
  return dialog.Run(true, true);
}

RECT WindowRect(HWND window) {
  RECT rect;
  GetWindowRect(window, &rect);
  return rect;
}

}  // namespace

TEST(DialogBase, ModalRunEndsWithTheCommandIdAndUnbinds) {
  TestDialog dialog(IDD_UI_PLAIN);
  bool modalDuringRun = false;
  EXPECT_EQ(RunModalAndPost(dialog, WM_CLOSE, 0, modalDuringRun), 2);
  EXPECT_TRUE(modalDuringRun);
  EXPECT_FALSE(dialog.IsModal());
  EXPECT_EQ(dialog.Hwnd(), nullptr);

  modalDuringRun = false;
  EXPECT_EQ(RunModalAndPost(dialog, WM_COMMAND, IDOK, modalDuringRun), 1);
  EXPECT_TRUE(modalDuringRun);
  EXPECT_EQ(dialog.Hwnd(), nullptr);
  EXPECT_FALSE(dialog.End(1));
}

TEST(DialogBase, SetsItsLargeAndSmallIconWhenGivenOne) {
  TestDialog withoutIcon(IDD_UI_PLAIN);
  ASSERT_TRUE(withoutIcon.Open());
  EXPECT_EQ(SendMessageA(withoutIcon.Hwnd(), WM_GETICON, ICON_BIG, 0), 0);

  TestDialog dialog(IDD_UI_PLAIN);
  dialog.SetIconId(IDI_UI_TEST);
  ASSERT_TRUE(dialog.Open());
  auto icon = [&](WPARAM which) {
    return reinterpret_cast<HICON>(SendMessageA(dialog.Hwnd(), WM_GETICON, which, 0));
  };
  auto width = [](HICON handle) {
    ICONINFO info{};
    if (!GetIconInfo(handle, &info)) return 0;
    BITMAP bitmap{};
    GetObjectA(info.hbmMask, sizeof bitmap, &bitmap);
    DeleteObject(info.hbmMask);
    if (info.hbmColor) DeleteObject(info.hbmColor);
    return static_cast<int>(bitmap.bmWidth);
  };
  EXPECT_EQ(width(icon(ICON_BIG)), GetSystemMetrics(SM_CXICON));
  EXPECT_EQ(width(icon(ICON_SMALL)), GetSystemMetrics(SM_CXSMICON));
}

TEST(DialogBase, RunRefusesWhatItCannotOpen) {
  DialogBase noModule(nullptr, nullptr, IDD_UI_PLAIN);
  EXPECT_EQ(noModule.Run(true, true), -1);
  DialogBase noTemplate(TestModule(), nullptr, 0);
  EXPECT_EQ(noTemplate.Run(true, true), -1);
  DialogBase missingTemplate(TestModule(), nullptr, 999);
  EXPECT_EQ(missingTemplate.Run(false, true), -1);
  EXPECT_EQ(missingTemplate.Hwnd(), nullptr);

  TestDialog dialog(IDD_UI_PLAIN);
  ASSERT_TRUE(dialog.Open());
  HWND open = dialog.Hwnd();
  EXPECT_TRUE(IsWindowVisible(open));
  EXPECT_EQ(dialog.Run(false, true), -1);
  EXPECT_EQ(dialog.Hwnd(), open);

  // A modeless dialog ends by being destroyed.
  EXPECT_TRUE(dialog.End(IDOK));
  EXPECT_FALSE(IsWindow(open));
  EXPECT_EQ(dialog.Hwnd(), nullptr);
  EXPECT_EQ(GetPropA(open, WindowBase::kPropertyName), nullptr);
}

TEST(DialogBase, OpensCentredOrAtTheCornerWhenLargerThanTheScreen) {
  const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
  const int screenHeight = GetSystemMetrics(SM_CYSCREEN);

  TestDialog plain(IDD_UI_PLAIN);
  ASSERT_TRUE(plain.Open());
  const RECT small = WindowRect(plain.Hwnd());
  EXPECT_EQ(small.left, (screenWidth - (small.right - small.left)) / 2);
  EXPECT_EQ(small.top, (screenHeight - (small.bottom - small.top)) / 2);

  TestDialog huge(IDD_UI_HUGE);
  ASSERT_TRUE(huge.Open());
  const RECT large = WindowRect(huge.Hwnd());
  ASSERT_GT(large.right - large.left, screenWidth);
  EXPECT_EQ(large.left, 0);
  EXPECT_EQ(large.top, 0);
}
