// The real PellgrovePlanner.exe, started from a folder laid out as a user has
// it and inspected from this process through its windows.
#include <string>
#include <vector>

#include "PluginLog.h"
#include "ProgramRun.h"
#include "res/ControlIds.h"

TEST_F(ProgramTest, WithoutDataFileOneMessageBoxAndExitCodeZero) {
  ProgramRun run(folder);
  ASSERT_TRUE(run.Started());
  HWND box = run.WaitForWindow([](HWND window) { return ClassOf(window) == "#32770"; });
  ASSERT_NE(nullptr, box);
  EXPECT_EQ("ERROR: Pellgrove+ Skill Simulator", TextOf(box));
  EXPECT_EQ(std::vector<std::string>{kStartupDataFileError}, StaticTexts(box));
  EXPECT_EQ(std::vector<HWND>{box}, run.VisibleWindows());
  EXPECT_EQ(nullptr, GetWindow(box, GW_OWNER));
  // The plug-in is loaded, but none of its entry points is called.
  EXPECT_TRUE(run.HasModule("VexaChar.dll"));

  PostMessageA(box, WM_COMMAND, IDOK, 0);
  EXPECT_EQ(0u, run.WaitForExit());
  EXPECT_FALSE(std::filesystem::exists(folder.File("VexaChar.log")));
}

TEST_F(ProgramTest, RunsWithThePluginDockedAndToldEachSelection) {
  AddDataFile();
  LoadData();
  ProgramRun run(folder);
  ASSERT_TRUE(run.Started());
  HWND main = run.WaitForWindow(IsMainWindow);
  ASSERT_NE(nullptr, main);
  EXPECT_EQ(std::string(kMainDialogCaption) + " - Version 2.2.2.1", TextOf(main));
  for (int type = 0; type < 8; ++type) EXPECT_EQ(TypeName(type), TextOf(GetDlgItem(main, IDC_TYPE_FIRST + type)));
  HWND plugin = run.WaitForWindow([](HWND window) { return ClassOf(window) == "VexaCharWindow"; });
  ASSERT_NE(nullptr, plugin);
  RECT mainRect, pluginRect;
  GetWindowRect(main, &mainRect);
  GetWindowRect(plugin, &pluginRect);
  EXPECT_EQ(mainRect.left, pluginRect.right);
  EXPECT_EQ(mainRect.top, pluginRect.top);

  SendMessageA(GetDlgItem(main, IDC_TYPE_FIRST + 5), BM_CLICK, 0, 0);
  SendMessageA(GetDlgItem(main, IDC_JOB_FIRST + 2), BM_CLICK, 0, 0);
  EXPECT_EQ(TypeName(5), TextOf(plugin));
  EXPECT_EQ(BST_CHECKED, SendMessageA(GetDlgItem(main, IDC_JOB_FIRST + 2), BM_GETCHECK, 0, 0));
  EXPECT_EQ("0", TextOf(GetDlgItem(main, IDC_TOTAL_LABEL)));

  PostMessageA(main, WM_CLOSE, 0, 0);
  EXPECT_EQ(0u, run.WaitForExit());
  const std::vector<std::string> lines = folder.ReadLines("VexaChar.log");
  ASSERT_FALSE(lines.empty());
  EXPECT_EQ("VexaChar_GetWnd()", lines.front());
  const std::vector<std::string> calls = CallsBesidesGetWnd(lines);
  ASSERT_EQ(8u, calls.size());
  EXPECT_EQ("VexaChar_Initialize(" + LoggedHandle(main) + ")", calls[0]);
  EXPECT_EQ(0u, calls[1].rfind("VexaChar_Create(", 0));
  EXPECT_EQ((std::vector<std::string>{"VexaChar_SetChar(5, 0)", "VexaChar_SetRank(0, 1)", "VexaChar_SetChar(5, 0)",
                                      "VexaChar_SetRank(2, 1)", "VexaChar_Delete()", "VexaChar_Terminate()"}),
            std::vector<std::string>(calls.begin() + 2, calls.end()));
}
