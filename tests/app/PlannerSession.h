#pragma once

// The real program running on the shipped data, driven from the test process
// as a user would: buttons clicked, file dialogs filled in, step cells pressed.
// The test's own database replays the same steps as the expected plan.

#include <windows.h>

#include <JapaneseText.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "ProgramRun.h"
#include "RemoteList.h"
#include "app/ErrorCaption.h"
#include "res/ControlIds.h"

class PlannerTest : public ProgramTest {
 protected:
  void Start() {
    AddDataFile();
    LoadData();
    run = std::make_unique<ProgramRun>(folder);
    ASSERT_TRUE(run->Started());
    main = run->WaitForWindow(IsMainWindow);
    ASSERT_NE(nullptr, main);
    list = std::make_unique<RemoteList>(run->Process(), GetDlgItem(main, IDC_SKILL_LIST));
  }

  void TearDown() override {
    if (main && IsWindow(main)) PostMessageA(main, WM_CLOSE, 0, 0);
    if (run) run->WaitForExit();
  }

  HWND Control(int id) const { return GetDlgItem(main, id); }
  // Returns once the program has handled the click.
  void Click(int id) const { SendMessageA(Control(id), BM_CLICK, 0, 0); }
  // For a click that opens a modal window, which the test must then drive.
  void PostClick(int id) const { PostMessageA(Control(id), BM_CLICK, 0, 0); }
  bool Checked(int id) const { return SendMessageA(Control(id), BM_GETCHECK, 0, 0) == BST_CHECKED; }
  std::string Total() const { return TextOf(Control(IDC_TOTAL_LABEL)); }
  // Every type, job and attribute control's check state, in id order.
  std::vector<bool> SelectionChecks() const {
    std::vector<bool> checks;
    for (int id = IDC_TYPE_FIRST; id < IDC_ATTRIBUTE_FIRST + IDC_ATTRIBUTE_COUNT; ++id)
      checks.push_back(Checked(id));
    return checks;
  }
  // Returns once the program has handled what was sent or posted before, or
  // has entered a modal loop (a dialog or message box).
  void Settle() const { SendMessageA(main, WM_NULL, 0, 0); }

  HWND WaitForOwnedDialog(HWND owner, const std::string& caption) const {
    return run->WaitForWindow([&](HWND window) {
      return ClassOf(window) == "#32770" && GetWindow(window, GW_OWNER) == owner &&
             (caption.empty() || TextOf(window) == caption);
    });
  }
  void WaitUntilClosed(HWND window) const {
    for (DWORD waited = 0; waited < kPatience && IsWindow(window) && IsWindowVisible(window);
         waited += 20)
      Sleep(20);
    Settle();
  }
  void Answer(HWND dialog, int button) const {
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, button)));
  }

  // Waits for the file dialog with that title, checks that it starts with an
  // empty name, enters the name and presses OK; answers the dialog.
  HWND ChooseFile(const char* title, const std::string& name) const {
    HWND dialog = WaitForOwnedDialog(main, title);
    EXPECT_NE(nullptr, dialog) << title;
    if (!dialog) return nullptr;
    HWND nameBox = GetDlgItem(dialog, kFileNameCombo);
    EXPECT_EQ("", TextOf(nameBox));
    SendMessageA(nameBox, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(name.c_str()));
    Answer(dialog, IDOK);
    return dialog;
  }
  void ChooseFileAndWait(const char* title, const std::string& name) const {
    WaitUntilClosed(ChooseFile(title, name));
  }

  // The error message box that the main window owns: its texts; it is closed.
  std::vector<std::string> TakeErrorBox() const {
    HWND box = WaitForOwnedDialog(main, kErrorCaption);
    EXPECT_NE(nullptr, box);
    if (!box) return {};
    const std::vector<std::string> texts = StaticTexts(box);
    Answer(box, IDOK);
    WaitUntilClosed(box);
    return texts;
  }

  std::string PlanFolder() const { return folder.File("save"); }
  std::string PlanFile(const std::string& name) const { return PlanFolder() + "\\" + name; }
  static std::string Bytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  }
  void WritePlanFile(const std::string& name, const std::string& bytes) const {
    std::filesystem::create_directories(PlanFolder());
    std::ofstream(PlanFile(name), std::ios::binary) << bytes;
  }

  // A step cell clicked in the program and the same step in the expected plan.
  void Step(int row, LevelOp op) {
    list->Click(row, kColumnFirstStep + op);
    ChangeList changes;
    database.StepRowLevel(row, op, changes);
  }
  // The level column as the expected plan would show it.
  std::string ExpectedLevelText(int row) const {
    SkillEntry entry;
    if (!database.CopyRowEntry(row, entry)) return "";
    return entry.IsMastered() ? "Master!" : std::to_string(entry.level);
  }
  // The list's rows and the total against the expected plan.
  void ExpectShowsExpectedPlan() const {
    ASSERT_EQ(database.RowCount(), list->RowCount());
    for (int row = 0; row < database.RowCount(); ++row)
      EXPECT_EQ(ExpectedLevelText(row), list->LevelText(row)) << row;
    EXPECT_EQ(std::to_string(database.TotalPoints()), Total());
  }

  static constexpr int kFileNameCombo = 0x47C;

  std::unique_ptr<ProgramRun> run;
  HWND main = nullptr;
  std::unique_ptr<RemoteList> list;
};
