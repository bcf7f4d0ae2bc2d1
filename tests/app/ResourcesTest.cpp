// The program's resources, which this test program carries too: version
// strings and the title made of them, the main dialog template, the manifest.
#include <gtest/gtest.h>

#include <windows.h>
// after windows.h, which it needs
#include <commctrl.h>

#include <JapaneseText.h>

#include "TestSupport.h"
#include "app/VersionInfoReader.h"
#include "app/VersionTitle.h"
#include "res/ControlIds.h"

namespace {

std::string ThisProgram() {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  return path;
}

std::vector<LONG> Values(const RECT& rect) {
  return {rect.left, rect.top, rect.right, rect.bottom};
}

}  // namespace

TEST(VersionInfoReaderTest, FileVersionOnlyFromAVersionResource) {
  std::string version = "untouched";
  // A missing file, and the plug-in, which has no version resource.
  EXPECT_FALSE(VersionInfoReader().FileVersionString(ProgramFolder() + "missing.exe", version));
  EXPECT_FALSE(VersionInfoReader().FileVersionString(VariantPath(PELL_VEXACHAR), version));
  EXPECT_EQ("untouched", version);
  EXPECT_TRUE(VersionInfoReader().FileVersionString(ThisProgram(), version));
  EXPECT_EQ("2, 2, 2, 1", version);
}

// Each read starts from a stale map; keys by number, CompanyName 0 to SpecialBuild 11.
TEST(VersionInfoReaderTest, ReadStringsStoresOneTextPerValidKey) {
  auto listed = [](const VersionStrings& strings) {
    std::string text;
    for (const auto& [key, value] : strings)
      text += std::to_string(static_cast<int>(key)) + "=" + value + ";";
    return text;
  };
  const std::string me = ThisProgram(), missing = ProgramFolder() + "missing.exe";
  const struct {
    std::string path;
    std::vector<int> keys;  // none for a null array
    int count;              // 99: the number of keys
    bool answer;
    const char* strings;
  } reads[] = {
      {me, {0, 2, 11}, 99, true, "0=;2=2, 2, 2, 1;11=;"},        // absent strings stored empty
      {me, {2, 12}, 99, false, "2=2, 2, 2, 1;"},                 // a key outside the twelve skipped
      {me, {6, 6}, 99, false, "6=Pellgrove+ Skill Simulator;"},  // a repeated key stored once
      {missing, {2}, 99, false, ""},                             // valid keys empty the map
      {me, {}, 1, false, "8=stale;"},
      {me, {2}, 0, false, "8=stale;"},
      {me, {2}, -1, false, "8=stale;"},
  };
  for (const auto& read : reads) {
    std::vector<VersionKey> keys;
    for (int key : read.keys) keys.push_back(static_cast<VersionKey>(key));
    VersionStrings strings = {{VersionKey::Comments, "stale"}};
    const int count = read.count == 99 ? static_cast<int>(keys.size()) : read.count;
    EXPECT_EQ(read.answer, VersionInfoReader().ReadStrings(
                               read.path, keys.empty() ? nullptr : keys.data(), count, strings))
        << "row " << &read - reads;
    EXPECT_EQ(read.strings, listed(strings)) << "row " << &read - reads;
  }
}

TEST(VersionTitleTest, CommaAndBlankBecomeAFullStop) {
  EXPECT_EQ("T - Version 2.2.2.1", ComposeVersionTitle("T", "2, 2, 2, 1"));
  EXPECT_EQ("T - Version 1,2.3", ComposeVersionTitle("T", "1,2, 3"));
  EXPECT_EQ("T - Version 4.  5", ComposeVersionTitle("T", "4,   5"));
  EXPECT_EQ("T - Version ", ComposeVersionTitle("T", ""));
}

INT_PTR CALLBACK PlainDialogProcedure(HWND, UINT message, WPARAM, LPARAM) {
  return message == WM_INITDIALOG;
}

// Every control in template order (their z-order from the top) with its
// class, rectangle in dialog units and style; the dialog's frame, size and texts.
TEST(MainDialogTemplateTest, ControlsFrameAndTexts) {
  constexpr LONG kList = LVS_REPORT | LVS_ALIGNLEFT | LVS_OWNERDATA | LVS_NOCOLUMNHEADER;
  constexpr LONG kGroup = BS_GROUPBOX, kRadio = BS_AUTORADIOBUTTON;
  constexpr LONG kCheck = BS_AUTOCHECKBOX | WS_TABSTOP, kPush = BS_PUSHBUTTON | WS_TABSTOP;
  constexpr LONG kFirstJob = kRadio | WS_DISABLED | WS_GROUP | WS_TABSTOP;
  const struct {
    int id;
    const char* className;
    RECT units;  // left, top, width, height
    LONG style;  // besides WS_CHILD and WS_VISIBLE
  } controls[] = {
      {1000, "SysListView32", {7, 81, 474, 11}, kList},
      {1001, "SysListView32", {7, 92, 474, 208}, kList | WS_TABSTOP},
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
      {1015, "Button", {134, 18, 74, 10}, kFirstJob},
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
  const INITCOMMONCONTROLSEX classes = {sizeof classes, ICC_LISTVIEW_CLASSES};
  InitCommonControlsEx(&classes);
  HWND dialog = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_MAIN_DIALOG),
                                   nullptr, PlainDialogProcedure, 0);
  ASSERT_NE(nullptr, dialog);
  HWND child = GetWindow(dialog, GW_CHILD);
  for (const auto& control : controls) {
    SCOPED_TRACE(control.id);
    ASSERT_EQ(control.id, GetDlgCtrlID(child));
    EXPECT_STRCASEEQ(control.className, ClassOf(child).c_str());
    EXPECT_EQ(WS_CHILD | WS_VISIBLE | control.style, GetWindowLongA(child, GWL_STYLE));
    // Position and size are converted apart, as the dialog manager does.
    RECT expected = control.units, actual;
    MapDialogRect(dialog, &expected);
    GetWindowRect(child, &actual);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&actual), 2);
    EXPECT_EQ(Values(expected), Values({actual.left, actual.top, actual.right - actual.left,
                                        actual.bottom - actual.top}));
    child = GetWindow(child, GW_HWNDNEXT);
  }
  EXPECT_EQ(nullptr, child);

  const LONG frame = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
  EXPECT_EQ(frame, GetWindowLongA(dialog, GWL_STYLE) &
                       (frame | WS_CHILD | WS_MAXIMIZEBOX | WS_THICKFRAME));
  EXPECT_NE(0, GetWindowLongA(dialog, GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
  EXPECT_EQ(nullptr, GetMenu(dialog));
  RECT size = {0, 0, 481, 301}, client;
  MapDialogRect(dialog, &size);
  GetClientRect(dialog, &client);
  EXPECT_EQ(Values(size), Values(client));
  // Japanese texts arrive as Shift-JIS.
  EXPECT_EQ(kMainDialogCaption, TextOf(dialog));
  EXPECT_EQ(kDataAttributeWater, TextOf(GetDlgItem(dialog, IDC_ATTRIBUTE_WATER)));
  EXPECT_EQ(kDataAttributeDark, TextOf(GetDlgItem(dialog, IDC_ATTRIBUTE_DARK)));
  EXPECT_EQ("rank 2 (S1)", TextOf(GetDlgItem(dialog, IDC_JOB_RANK2S)));
  DestroyWindow(dialog);
}

TEST(ProgramResourcesTest, ManifestAsksForCommonControlsSixAndNoElevation) {
  HRSRC found = FindResourceA(nullptr, MAKEINTRESOURCEA(1), RT_MANIFEST);
  ASSERT_NE(nullptr, found);
  const std::string manifest(static_cast<const char*>(LockResource(LoadResource(nullptr, found))),
                             SizeofResource(nullptr, found));
  EXPECT_NE(std::string::npos,
            manifest.find("name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\""));
  EXPECT_NE(std::string::npos, manifest.find("level=\"asInvoker\""));
  EXPECT_EQ(std::string::npos, manifest.find("dpiAware"));
}
