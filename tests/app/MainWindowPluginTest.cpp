#include <cstdio>

#include "MainWindowFixture.h"
#include "PluginLog.h"
#include "app/AttributeRules.h"

namespace {

RECT WindowRect(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  return rect;
}

class MainWindowPluginTest : public MainWindowTest {
 protected:
  void OpenWithPlugin() {
    Open(ShippedDataWithout({}), PELL_VEXACHAR_RECORDING);
    plugin = ThePlugin().GetWnd();
    ASSERT_NE(nullptr, plugin);
  }
  std::vector<std::string> Calls() const { return CallsBesidesGetWnd(folder.ReadLines("VexaChar.log")); }
  // Forgets the calls so far.
  void ClearLog() const { std::remove(folder.File("VexaChar.log").c_str()); }

  HWND plugin = nullptr;
};

}  // namespace

TEST_F(MainWindowTest, WithoutPluginTheWindowIsCentredAlone) {
  Open();
  const RECT rect = WindowRect(dialog);
  EXPECT_EQ((GetSystemMetrics(SM_CXSCREEN) - (rect.right - rect.left)) / 2, rect.left);
  EXPECT_EQ((GetSystemMetrics(SM_CYSCREEN) - (rect.bottom - rect.top)) / 2, rect.top);
}

TEST_F(MainWindowPluginTest, PluginWindowIsPlacedLeftAndFollowsTheMainWindow) {
  OpenWithPlugin();
  const RECT main = WindowRect(dialog);
  const RECT side = WindowRect(plugin);
  ASSERT_EQ(200, side.right - side.left);
  EXPECT_TRUE(IsWindowVisible(plugin));
  EXPECT_EQ((GetSystemMetrics(SM_CXSCREEN) - (main.right - main.left)) / 2 + 100, main.left);
  EXPECT_EQ(main.left, side.right);
  EXPECT_EQ(main.top, side.top);

  SetWindowPos(dialog, nullptr, 400, 150, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  PumpMessages();
  const RECT moved = WindowRect(plugin);
  EXPECT_EQ(400, moved.right);
  EXPECT_EQ(150, moved.top);
}

TEST_F(MainWindowPluginTest, StartAndCloseCallThePluginInOrder) {
  OpenWithPlugin();
  const std::vector<std::string> lines = folder.ReadLines("VexaChar.log");
  ASSERT_GE(lines.size(), 3u);
  // The first sync finds no window yet and stops before telling anything.
  EXPECT_EQ("VexaChar_GetWnd()", lines[0]);
  const std::vector<std::string> started = Calls();
  ASSERT_EQ(2u, started.size());
  EXPECT_EQ("VexaChar_Initialize(" + LoggedHandle(dialog) + ")", started[0]);
  EXPECT_EQ(0u, started[1].rfind("VexaChar_Create(", 0));
  EXPECT_NE(std::string::npos, started[1].find(", 0)"));
  EXPECT_EQ("VexaChar", WindowText(plugin));

  ClearLog();
  SendMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
  EXPECT_EQ((std::vector<std::string>{"VexaChar_Delete()", "VexaChar_Terminate()"}), Calls());
  EXPECT_FALSE(IsWindow(plugin));
  EXPECT_FALSE(IsWindow(dialog));
}

TEST_F(MainWindowPluginTest, SelectionsTellThePluginTypeAndJobSlot) {
  OpenWithPlugin();
  ClearLog();
  Select(5, 2);
  EXPECT_EQ(TypeName(5), WindowText(plugin));
  EXPECT_EQ((std::vector<std::string>{"VexaChar_SetChar(5, 0)", "VexaChar_SetRank(0, 1)", "VexaChar_SetChar(5, 0)",
                                      "VexaChar_SetRank(2, 1)"}),
            Calls());

  // The dragon's fourth job: light and dark switch the slot while it is selected.
  Select(3, 3);
  ClearLog();
  Click(AttributeBox(kDark));
  EXPECT_EQ((std::vector<std::string>{"VexaChar_SetChar(3, 0)", "VexaChar_SetRank(4, 1)"}), Calls());
  ClearLog();
  Click(AttributeBox(kLight));
  EXPECT_EQ((std::vector<std::string>{"VexaChar_SetChar(3, 0)", "VexaChar_SetRank(3, 1)"}), Calls());
  // Elsewhere a light or dark change is not told.
  Select(3, 1);
  ClearLog();
  Click(AttributeBox(kDark));
  EXPECT_TRUE(Calls().empty());

  // The sheep has no second S job: dark carried over from rank 2 (H) still means slot 3.
  Select(2, 2);
  Click(AttributeBox(kDark));
  ClearLog();
  Click(JobButton(3));
  EXPECT_EQ(0x22u | 0x2300 | 0x10000 | 0x400000, database.GetJobCode());
  EXPECT_EQ((std::vector<std::string>{"VexaChar_SetChar(2, 0)", "VexaChar_SetRank(3, 1)"}), Calls());
}
