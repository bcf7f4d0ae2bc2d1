// Binding controls to objects (the property, subclassing, the control's own
// procedure, user data and font put back), the GDI wrappers, and running
// dialogs: results, refusals, icons.
#include <ResourceIds.h>
#include <gtest/gtest.h>

#include <tuple>

#include "UiTestIds.h"
#include "harness/WindowTestSupport.h"
#include "ui/CheckBox.h"
#include "ui/ScopedSelection.h"

namespace {

// What binding a control changes: its procedure, font, property and user data.
auto Binding(HWND window) {
  return std::make_tuple(
      GetWindowLongPtrA(window, GWLP_WNDPROC), SendMessageA(window, WM_GETFONT, 0, 0),
      GetPropA(window, WindowBase::kPropertyName), GetWindowLongPtrA(window, GWLP_USERDATA));
}

}  // namespace

TEST(WindowBinding, ControlAttachedTwiceIsSubclassedOnceAndDetachPutsEverythingBack) {
  CheckBox box;
  HostDialog dialog(IDD_UI_CONTROLS);
  ASSERT_TRUE(dialog.Open());
  EXPECT_TRUE(dialog.IsDialog());
  HWND control = dialog.Item(IDC_UI_CHECK_FIRST), other = dialog.Item(IDC_UI_CHECK_SECOND);
  // The control's own user data, which the binding borrows.
  SetWindowLongPtrA(control, GWLP_USERDATA, 0x5A5A);
  const auto own = Binding(control);
  ASSERT_NE(std::get<1>(own), 0);

  EXPECT_FALSE(box.Attach(nullptr));
  ASSERT_TRUE(box.Attach(control));
  ASSERT_TRUE(box.Attach(control));
  // A button keeps its font where a dialog keeps its procedure: it must not
  // be taken for a dialog.
  EXPECT_FALSE(box.IsDialog());
  EXPECT_EQ(box.ParentHwnd(), dialog.Hwnd());
  EXPECT_EQ(Binding(control),
            std::make_tuple(reinterpret_cast<LONG_PTR>(SharedWindowProc),
                            reinterpret_cast<LRESULT>(box.Font()), static_cast<HANDLE>(&box),
                            reinterpret_cast<LONG_PTR>(&box)));
  EXPECT_EQ(GetWindowLongA(control, GWL_STYLE) & (BS_TYPEMASK | BS_NOTIFY),
            BS_OWNERDRAW | BS_NOTIFY);
  EXPECT_FALSE(GetClassLongPtrA(control, GCL_STYLE) & CS_DBLCLKS);

  // Rebuilding the font installs the new one; the control never keeps a
  // deleted font.
  box.SetFaceAndHeight("MS UI Gothic", 20, false);
  const auto installed = reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0));
  EXPECT_EQ(installed, box.Font());
  EXPECT_EQ(GetObjectType(installed), static_cast<DWORD>(OBJ_FONT));

  ASSERT_TRUE(box.Detach());
  EXPECT_EQ(Binding(control), own);
  EXPECT_FALSE(box.Detach());
  // Bound to another control, the object lets go of the first one.
  ASSERT_TRUE(box.Attach(control));
  ASSERT_TRUE(box.Attach(other));
  EXPECT_EQ(Binding(control), own);
  EXPECT_EQ(GetPropA(other, WindowBase::kPropertyName), static_cast<HANDLE>(&box));
}

TEST(WindowBinding, ScopedSelectionPutsBackAndTheOwnerDeletes) {
  // A GDI object selected through ScopedSelection is put back, then deleted.
  Canvas canvas(20, 20);
  const HGDIOBJ penBefore = GetCurrentObject(canvas.dc, OBJ_PEN);
  HPEN handle;
  {
    OwnedPen pen = MakeSolidPen(RGB(4, 5, 6));
    ScopedSelection selection(canvas.dc, handle = pen.Get());
    EXPECT_EQ(GetCurrentObject(canvas.dc, OBJ_PEN), handle);
  }
  EXPECT_EQ(GetCurrentObject(canvas.dc, OBJ_PEN), penBefore);
  EXPECT_EQ(GetObjectType(handle), 0u);
}

TEST(DialogBase, ModalRunEndsWithTheCommandIdAndRunRefusesWhatItCannotOpen) {
  HostDialog dialog(IDD_UI_CONTROLS);
  for (auto [msg, wParam, result] : {std::tuple{WM_CLOSE, 0, 2}, std::tuple{WM_COMMAND, IDOK, 1}}) {
    bool modalDuringRun = false;
    dialog.onInit = [&, msg = msg, wParam = wParam](HWND window) {
      modalDuringRun = dialog.IsModal();
      PostMessageA(window, msg, wParam, 0);
    };
    EXPECT_EQ(dialog.Run(true, true), result) << "message " << msg;
    EXPECT_TRUE(modalDuringRun);
    EXPECT_FALSE(dialog.IsModal());
    EXPECT_EQ(dialog.Hwnd(), nullptr);
  }
  EXPECT_FALSE(dialog.End(1));

  // No module, no template, a template that is not there.
  DialogBase noModule(nullptr, nullptr, IDD_UI_CONTROLS),
      noTemplate(GetModuleHandleA(nullptr), nullptr, 0),
      missingTemplate(GetModuleHandleA(nullptr), nullptr, 999);
  for (DialogBase* refused : {&noModule, &noTemplate, &missingTemplate}) {
    EXPECT_EQ(refused->Run(refused == &noModule, true), -1);
    EXPECT_EQ(refused->Hwnd(), nullptr);
  }
}

// Centring is the main window's test; one larger than the screen opens at 0, 0.
TEST(DialogBase, ModelessDialogOpensWithItsIconsRunsOnceAndEndsDestroyed) {
  HostDialog withoutIcon(IDD_UI_CONTROLS), dialog(IDD_UI_CONTROLS), huge(IDD_UI_HUGE);
  dialog.SetIconId(IDI_PROGRAM);
  ASSERT_TRUE(withoutIcon.Open() && dialog.Open() && huge.Open());
  EXPECT_EQ(SendMessageA(withoutIcon.Hwnd(), WM_GETICON, ICON_BIG, 0), 0);
  HWND open = dialog.Hwnd();
  EXPECT_TRUE(IsWindowVisible(open));
  for (auto [which, metric] :
       {std::pair{ICON_BIG, SM_CXICON}, std::pair{ICON_SMALL, SM_CXSMICON}}) {
    ICONINFO info{};
    ASSERT_TRUE(
        GetIconInfo(reinterpret_cast<HICON>(SendMessageA(open, WM_GETICON, which, 0)), &info));
    BITMAP mask{};
    GetObjectA(info.hbmMask, sizeof mask, &mask);
    DeleteObject(info.hbmMask);
    if (info.hbmColor) DeleteObject(info.hbmColor);
    EXPECT_EQ(mask.bmWidth, GetSystemMetrics(metric)) << which;
  }

  RECT large;
  GetWindowRect(huge.Hwnd(), &large);
  ASSERT_GT(large.right - large.left, GetSystemMetrics(SM_CXSCREEN));
  EXPECT_EQ(std::make_pair(large.left, large.top), std::make_pair(0L, 0L));

  // An open dialog refuses a second run; a modeless one ends by being destroyed.
  EXPECT_EQ(dialog.Run(false, true), -1);
  EXPECT_EQ(dialog.Hwnd(), open);
  EXPECT_TRUE(dialog.End(IDOK));
  EXPECT_FALSE(IsWindow(open));
  EXPECT_EQ(dialog.Hwnd(), nullptr);
  EXPECT_EQ(GetPropA(open, WindowBase::kPropertyName), nullptr);
}
