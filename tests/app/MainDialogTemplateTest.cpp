#include <gtest/gtest.h>

#include <windows.h>
// after windows.h, which it needs
#include <commctrl.h>

#include <JapaneseText.h>

#include <string>
#include <vector>

#include "res/ControlIds.h"

namespace {

INT_PTR CALLBACK PlainDialogProcedure(HWND, UINT message, WPARAM, LPARAM) { return message == WM_INITDIALOG; }

struct ExpectedControl {
  int id;
  const char* className;
  RECT units;  // left, top, width, height in dialog units
  LONG style;  // besides WS_CHILD and WS_VISIBLE
};

constexpr LONG kList = LVS_REPORT | LVS_ALIGNLEFT | LVS_OWNERDATA | LVS_NOCOLUMNHEADER;
constexpr LONG kGroup = BS_GROUPBOX;
constexpr LONG kRadio = BS_AUTORADIOBUTTON;
constexpr LONG kCheck = BS_AUTOCHECKBOX | WS_TABSTOP;
constexpr LONG kPush = BS_PUSHBUTTON | WS_TABSTOP;

// The controls in template order, which is their z-order from the top.
const ExpectedControl kControls[] = {
    {1000, "SysListView32", {7, 81, 474, 11}, kList},
    {1001, "SysListView32", {7, 92, 474, 208}, kList},
    {1002, "Button", {7, 5, 109, 69}, kGroup},
    {1007, "Button", {14, 18, 46, 10}, kRadio | WS_GROUP | WS_TABSTOP},
    {1008, "Button", {62, 18, 46, 10}, kRadio},
    {1009, "Button", {14, 31, 46, 10}, kRadio},
    {1010, "Button", {62, 31, 46, 10}, kRadio},
    {1011, "Button", {14, 44, 46, 10}, kRadio},
    {1012, "Button", {62, 44, 46, 10}, kRadio},
    {1013, "Button", {14, 57, 46, 10}, kRadio},
    {1014, "Button", {62, 57, 46, 10}, kRadio},
    {1003, "Button", {126, 5, 88, 69}, kGroup},
    {1015, "Button", {134, 18, 74, 10}, kRadio | WS_DISABLED | WS_GROUP | WS_TABSTOP},
    {1016, "Button", {134, 31, 74, 10}, kRadio | WS_DISABLED},
    {1018, "Button", {134, 57, 74, 10}, kRadio | WS_DISABLED},
    {1017, "Button", {134, 44, 74, 10}, kRadio | WS_DISABLED},
    {1004, "Button", {223, 5, 89, 69}, kGroup},
    {1019, "Button", {244, 18, 24, 10}, kCheck | WS_GROUP},
    {1020, "Button", {270, 18, 24, 10}, kCheck},
    {1021, "Button", {281, 36, 24, 10}, kCheck},
    {1022, "Button", {257, 36, 24, 10}, kCheck},
    {1023, "Button", {232, 36, 24, 10}, kCheck},
    {1024, "Button", {244, 55, 24, 10}, kCheck},
    {1025, "Button", {270, 55, 24, 10}, kCheck},
    {1005, "Button", {324, 5, 65, 69}, kGroup},
    {1026, "Static", {334, 22, 44, 18}, SS_CENTER | SS_CENTERIMAGE | WS_GROUP},
    {1027, "Button", {334, 51, 44, 14}, kPush},
    {1006, "Button", {399, 5, 65, 69}, kGroup},
    {1028, "Button", {409, 25, 44, 14}, kPush | WS_GROUP},
    {1029, "Button", {409, 51, 44, 14}, kPush},
};

class MainDialogTemplateTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    const INITCOMMONCONTROLSEX classes = {sizeof classes, ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&classes);
  }
  void SetUp() override {
    dialog = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_MAIN_DIALOG), nullptr,
                                PlainDialogProcedure, 0);
    ASSERT_NE(nullptr, dialog);
  }
  void TearDown() override { DestroyWindow(dialog); }

  std::string TextOf(HWND window) const {
    char text[256] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
  }

  HWND dialog = nullptr;
};

}  // namespace

TEST_F(MainDialogTemplateTest, EveryControlInTemplateOrderWithItsClassRectangleAndStyle) {
  std::vector<int> order;
  for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
    order.push_back(GetDlgCtrlID(child));
  std::vector<int> expectedOrder;
  for (const ExpectedControl& control : kControls) expectedOrder.push_back(control.id);
  EXPECT_EQ(expectedOrder, order);

  for (const ExpectedControl& control : kControls) {
    SCOPED_TRACE(control.id);
    HWND child = GetDlgItem(dialog, control.id);
    ASSERT_NE(nullptr, child);
    char className[64] = {};
    GetClassNameA(child, className, sizeof className);
    EXPECT_STRCASEEQ(control.className, className);
    EXPECT_EQ(WS_CHILD | WS_VISIBLE | control.style, GetWindowLongA(child, GWL_STYLE));

    // Position and size are converted apart, as the dialog manager does.
    RECT expected = control.units;
    MapDialogRect(dialog, &expected);
    RECT actual;
    GetWindowRect(child, &actual);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&actual), 2);
    EXPECT_EQ(expected.left, actual.left);
    EXPECT_EQ(expected.top, actual.top);
    EXPECT_EQ(expected.right, actual.right - actual.left);
    EXPECT_EQ(expected.bottom, actual.bottom - actual.top);
  }
}

TEST_F(MainDialogTemplateTest, DialogFrameAndSize) {
  const LONG style = GetWindowLongA(dialog, GWL_STYLE);
  const LONG frame = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
  EXPECT_EQ(frame, style & (frame | WS_CHILD | WS_MAXIMIZEBOX | WS_THICKFRAME));
  EXPECT_NE(0, GetWindowLongA(dialog, GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
  EXPECT_EQ(nullptr, GetMenu(dialog));

  RECT expected = {0, 0, 481, 301};
  MapDialogRect(dialog, &expected);
  RECT client;
  GetClientRect(dialog, &client);
  EXPECT_EQ(expected.right, client.right);
  EXPECT_EQ(expected.bottom, client.bottom);
}

TEST_F(MainDialogTemplateTest, JapaneseCaptionsArriveAsShiftJis) {
  EXPECT_EQ(kMainDialogCaption, TextOf(dialog));
  EXPECT_EQ(kDataAttributeWater, TextOf(GetDlgItem(dialog, IDC_ATTRIBUTE_WATER)));
  EXPECT_EQ(kDataAttributeDark, TextOf(GetDlgItem(dialog, IDC_ATTRIBUTE_DARK)));
  EXPECT_EQ("rank 2 (S1)", TextOf(GetDlgItem(dialog, IDC_JOB_RANK2S)));
}

TEST(ProgramResourcesTest, ManifestAsksForCommonControlsSixAndNoElevation) {
  HRSRC found = FindResourceA(nullptr, MAKEINTRESOURCEA(1), RT_MANIFEST);
  ASSERT_NE(nullptr, found);
  const char* bytes = static_cast<const char*>(LockResource(LoadResource(nullptr, found)));
  const std::string manifest(bytes, SizeofResource(nullptr, found));
  EXPECT_NE(std::string::npos, manifest.find("name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\""));
  EXPECT_NE(std::string::npos, manifest.find("level=\"asInvoker\""));
  EXPECT_EQ(std::string::npos, manifest.find("dpiAware"));
}
