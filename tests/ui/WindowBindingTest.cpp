// Binding windows to objects: the property, subclassing, unbinding at
// WM_DESTROY, the control's own procedure and font put back, and the GDI
// wrappers that the drawing relies on.
#include <gtest/gtest.h>
#include <windows.h>

#include <vector>

#include "TestDialog.h"
#include "UiTestIds.h"
#include "ui/CheckBox.h"
#include "ui/GdiObject.h"
#include "ui/ScopedClipRect.h"
#include "ui/ScopedSelection.h"
#include "ui/WindowBase.h"

namespace {

// Records what reaches the object, and whether the binding was in place then.
class RecordingWindow : public WindowBase {
 public:
  LRESULT WindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) override {
    messages.push_back(msg);
    boundWhenSeen.push_back(GetPropA(window, kPropertyName) == this && Hwnd() == window);
    return WindowBase::WindowProc(window, msg, wParam, lParam);
  }
  std::vector<UINT> messages;
  std::vector<bool> boundWhenSeen;
};

const char* RegisterSharedClass() {
  static const char* const kClassName = "UiTestSharedProcWindow";
  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = SharedWindowProc;
  windowClass.hInstance = TestModule();
  windowClass.lpszClassName = kClassName;
  RegisterClassA(&windowClass);
  return kClassName;
}

HWND CreateShared(void* object) {
  return CreateWindowExA(0, RegisterSharedClass(), "shared", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr, nullptr,
                         TestModule(), object);
}

}  // namespace

TEST(WindowBinding, CreatedWindowIsBoundFromItsFirstMessageAndUnboundAtDestroy) {
  RecordingWindow object;
  HWND window = CreateShared(&object);
  ASSERT_NE(window, nullptr);
  ASSERT_FALSE(object.messages.empty());
  EXPECT_EQ(object.messages.front(), static_cast<UINT>(WM_NCCREATE));
  EXPECT_TRUE(object.boundWhenSeen.front());
  EXPECT_EQ(object.Hwnd(), window);
  EXPECT_FALSE(object.IsDialog());
  // Created for the object: bound without subclassing.
  EXPECT_EQ(reinterpret_cast<WNDPROC>(GetWindowLongPtrA(window, GWLP_WNDPROC)), SharedWindowProc);

  DestroyWindow(window);
  EXPECT_EQ(object.Hwnd(), nullptr);
  EXPECT_EQ(object.messages.back(), static_cast<UINT>(WM_DESTROY));
  EXPECT_FALSE(object.Detach());

  // Without an object the window still works, with the default procedure.
  HWND plain = CreateShared(nullptr);
  ASSERT_NE(plain, nullptr);
  EXPECT_EQ(GetPropA(plain, WindowBase::kPropertyName), nullptr);
  EXPECT_TRUE(SetWindowTextA(plain, "text"));
  DestroyWindow(plain);
}

TEST(WindowBinding, ControlAttachedTwiceIsSubclassedOnceAndDetachPutsEverythingBack) {
  CheckBox box;
  TestDialog dialog(IDD_UI_CONTROLS);
  ASSERT_TRUE(dialog.Open());
  EXPECT_TRUE(dialog.IsDialog());
  HWND control = dialog.Item(IDC_UI_CHECK_FIRST);
  const LONG_PTR ownProc = GetWindowLongPtrA(control, GWLP_WNDPROC);
  const LRESULT ownFont = SendMessageA(control, WM_GETFONT, 0, 0);
  ASSERT_NE(ownFont, 0);

  EXPECT_FALSE(box.Attach(nullptr));
  ASSERT_TRUE(box.Attach(control));
  ASSERT_TRUE(box.Attach(control));
  // A button keeps its font where a dialog keeps its procedure: it must not
  // be taken for a dialog.
  EXPECT_FALSE(box.IsDialog());
  EXPECT_EQ(box.ParentHwnd(), dialog.Hwnd());
  EXPECT_EQ(GetPropA(control, WindowBase::kPropertyName), static_cast<WindowBase*>(&box));
  EXPECT_EQ(reinterpret_cast<WNDPROC>(GetWindowLongPtrA(control, GWLP_WNDPROC)), SharedWindowProc);
  EXPECT_EQ(SendMessageA(control, WM_GETFONT, 0, 0), reinterpret_cast<LRESULT>(box.Font()));
  const LONG style = GetWindowLongA(control, GWL_STYLE);
  EXPECT_EQ(style & BS_TYPEMASK, BS_OWNERDRAW);
  EXPECT_TRUE(style & BS_NOTIFY);
  EXPECT_FALSE(GetClassLongPtrA(control, GCL_STYLE) & CS_DBLCLKS);
  EXPECT_EQ(box.BackColor(), GetSysColor(COLOR_BTNFACE));
  EXPECT_EQ(box.TextColor(), GetSysColor(COLOR_WINDOWTEXT));
  EXPECT_EQ(box.BoxColor(), GetSysColor(COLOR_WINDOW));

  // Rebuilding the font installs the new one; the control never keeps a
  // deleted font.
  box.SetHeight(20, false);
  HFONT installed = reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0));
  EXPECT_EQ(installed, box.Font());
  EXPECT_EQ(GetObjectType(installed), static_cast<DWORD>(OBJ_FONT));
  EXPECT_EQ(box.LogFont().lfHeight, -20);

  ASSERT_TRUE(box.Detach());
  EXPECT_EQ(GetWindowLongPtrA(control, GWLP_WNDPROC), ownProc);
  EXPECT_EQ(GetPropA(control, WindowBase::kPropertyName), nullptr);
  EXPECT_EQ(SendMessageA(control, WM_GETFONT, 0, 0), ownFont);
  EXPECT_FALSE(box.Detach());

  // Bound to another control, the object lets go of the first one.
  ASSERT_TRUE(box.Attach(control));
  HWND other = dialog.Item(IDC_UI_CHECK_SECOND);
  ASSERT_TRUE(box.Attach(other));
  EXPECT_EQ(GetWindowLongPtrA(control, GWLP_WNDPROC), ownProc);
  EXPECT_EQ(GetPropA(control, WindowBase::kPropertyName), nullptr);
  EXPECT_EQ(SendMessageA(control, WM_GETFONT, 0, 0), ownFont);
  EXPECT_EQ(GetPropA(other, WindowBase::kPropertyName), static_cast<WindowBase*>(&box));
}

TEST(WindowBinding, FontSettersFollowTheirRules) {
  CheckBox box;
  box.SetBold(1, false);
  EXPECT_EQ(box.LogFont().lfWeight, 700);
  box.SetBold(2, false);
  EXPECT_EQ(box.LogFont().lfWeight, 0);
  box.SetItalic(5, false);
  EXPECT_EQ(box.LogFont().lfItalic, 1);
  box.SetUnderline(0, false);
  EXPECT_EQ(box.LogFont().lfUnderline, 0);
  box.SetFaceName("An overly long face name that does not fit at all", false);
  EXPECT_EQ(lstrlenA(box.LogFont().lfFaceName), LF_FACESIZE - 1);
  box.ResetFont(false);
  LOGFONTA defaultFont{};
  GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof defaultFont, &defaultFont);
  EXPECT_STREQ(box.LogFont().lfFaceName, defaultFont.lfFaceName);
  EXPECT_EQ(box.LogFont().lfHeight, defaultFont.lfHeight);
}

TEST(GdiWrappers, OwnerDeletesAndSelectionsAndClippingComeBack) {
  HBRUSH handle;
  {
    OwnedBrush brush = MakeSolidBrush(RGB(1, 2, 3));
    handle = brush.Get();
    EXPECT_EQ(GetObjectType(handle), static_cast<DWORD>(OBJ_BRUSH));
  }
  EXPECT_EQ(GetObjectType(handle), 0u);

  HDC dc = CreateCompatibleDC(nullptr);
  HBITMAP bitmap = CreateCompatibleBitmap(dc, 20, 20);
  HGDIOBJ previousBitmap = SelectObject(dc, bitmap);
  const HGDIOBJ penBefore = GetCurrentObject(dc, OBJ_PEN);
  RECT clipBefore;
  GetClipBox(dc, &clipBefore);
  {
    OwnedPen pen = MakeSolidPen(RGB(4, 5, 6));
    ScopedSelection selection(dc, pen.Get());
    EXPECT_EQ(GetCurrentObject(dc, OBJ_PEN), pen.Get());
    const RECT narrow{2, 3, 5, 7};
    ScopedClipRect clip(dc, narrow);
    RECT clipped;
    GetClipBox(dc, &clipped);
    EXPECT_TRUE(EqualRect(&clipped, &narrow));
  }
  EXPECT_EQ(GetCurrentObject(dc, OBJ_PEN), penBefore);
  RECT clipAfter;
  GetClipBox(dc, &clipAfter);
  EXPECT_TRUE(EqualRect(&clipAfter, &clipBefore));
  SelectObject(dc, previousBitmap);
  DeleteObject(bitmap);
  DeleteDC(dc);
}
