// The real PellgrovePlanner.exe with the recording plug-in, started from a scratch folder laid out
// as a user has it and driven from this process through its windows: buttons clicked, file dialogs
// filled in, step cells pressed, keys typed. The test's own database replays the same steps as the
// expected plan.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <JapaneseText.h>

#include <cstring>
#include <functional>
#include <initializer_list>
#include <iterator>

#include "TestSupport.h"
#include "app/ErrorBox.h"
#include "plan/GameDatabase.h"
#include "res/ControlIds.h"
#include "res/DialogIds.h"
#include "skilllist/ColumnTable.h"

namespace {

constexpr DWORD kPatience = 20000;  // milliseconds
// The system-menu commands a script may send.
constexpr UINT kUndo = 0x0100, kRedo = 0x0110, kCopyTable = 0x0130, kPaste = 0x0140,
               kAbout = 0x0160, kCopyPicture = 0x0170, kSavePicture = 0x0180, kCompareFile = 0x0190,
               kCompareClipboard = 0x01A0;

// Input and posted messages reach the program after what is already queued:
// the test waits until the change shows, with the patience of a busy machine.
bool WaitUntil(const std::function<bool()>& shown) { return PumpUntil(shown, kPatience); }

// The texts of a message box's static controls (its icon has none).
std::vector<std::string> StaticTexts(HWND box) {
  std::vector<std::string> texts;
  for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
    if (ClassOf(child) == "Static" && !TextOf(child).empty()) texts.push_back(TextOf(child));
  return texts;
}

std::wstring Widened(const std::string& text) {
  std::wstring wide(text.size(), L'\0');
  wide.resize(MultiByteToWideChar(932, 0, text.data(), static_cast<int>(text.size()), &wide[0],
                                  static_cast<int>(wide.size())));
  return wide;
}

// Text as a chat program puts it on the clipboard: Unicode only.
void PutClipboardText(const std::wstring& wide) {
  HWND owner = CreateWindowA("STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
  ASSERT_TRUE(OpenClipboard(owner));
  EmptyClipboard();
  const std::size_t size = (wide.size() + 1) * sizeof(wchar_t);
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, size);
  std::memcpy(GlobalLock(memory), wide.c_str(), size);
  GlobalUnlock(memory);
  EXPECT_NE(nullptr, SetClipboardData(CF_UNICODETEXT, memory));
  CloseClipboard();
  DestroyWindow(owner);
}

// What the clipboard holds in a format, as it is, up to the first NUL.
template <typename Char>
std::basic_string<Char> ClipboardData(UINT format) {
  const std::string bytes = ClipboardBytes(format);
  const std::basic_string<Char> data(reinterpret_cast<const Char*>(bytes.data()),
                                     bytes.size() / sizeof(Char));
  return data.substr(0, data.find(Char{}));
}

SkillEntry RowEntry(const GameDatabase& plan, int row) {
  SkillEntry entry;
  plan.CopyRowEntry(row, entry);
  return entry;
}

class ProgramTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::copy_file(VariantPath(PELL_PROGRAM), folder.File("PellgrovePlanner.exe"));
    folder.AddPlugin(VariantPath(PELL_VEXACHAR_RECORDING));
  }
  // A program still running may be asking to save its plan: it is ended.
  void TearDown() override { End(); }
  void End() {
    if (!process.hProcess) return;
    TerminateProcess(process.hProcess, 99);
    WaitForSingleObject(process.hProcess, kPatience);
    CloseHandle(process.hProcess);
    process = PROCESS_INFORMATION{};
  }

  // The arguments follow the program's quoted path; the working directory is the program's folder
  // unless another is given.
  void Launch(const std::string& arguments = "", const std::string& directory = "") {
    std::string commandLine = "\"" + folder.File("PellgrovePlanner.exe") + "\"" + arguments;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    ASSERT_TRUE(CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                               (directory.empty() ? folder.Folder() : directory).c_str(), &startup,
                               &process));
    CloseHandle(process.hThread);
  }
  // The program on the shipped data and any lines after it, which the expected plan reads too.
  void Start(const std::string& addedLines = "") {
    ASSERT_NO_FATAL_FAILURE(LoadData(addedLines));
    ASSERT_NO_FATAL_FAILURE(Restart());
  }
  void Restart() {
    End();
    ASSERT_NO_FATAL_FAILURE(Launch());
    ASSERT_NO_FATAL_FAILURE(FindMainWindow());
  }
  void LoadData(const std::string& addedLines = "") {
    folder.Write("vexa.dat", Bytes(VariantPath(PELL_SHIPPED_DATA)) + addedLines);
    ASSERT_TRUE(LoadDatabaseFrom(folder, database));
  }
  void FindMainWindow() {
    main = WaitForWindow([](HWND window) {
      return ClassOf(window) == "#32770" && TextOf(window).rfind(kMainDialogCaption, 0) == 0;
    });
    ASSERT_NE(nullptr, main);
    list = Control(IDC_SKILL_LIST);
    remote = static_cast<char*>(VirtualAllocEx(process.hProcess, nullptr, kRemoteSize,
                                               MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE));
  }
  // The exit code, or STILL_ACTIVE when it did not end in time.
  DWORD WaitForExit(DWORD patience = kPatience) const {
    WaitForSingleObject(process.hProcess, patience);
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(process.hProcess, &code);
    return code;
  }

  std::vector<HWND> VisibleWindows() const {
    std::vector<HWND> found;
    for (HWND window = GetTopWindow(nullptr); window; window = GetWindow(window, GW_HWNDNEXT)) {
      DWORD owner = 0;
      GetWindowThreadProcessId(window, &owner);
      if (owner == process.dwProcessId && IsWindowVisible(window)) found.push_back(window);
    }
    return found;
  }
  HWND WaitForWindow(const std::function<bool(HWND)>& wanted) const {
    HWND found = nullptr;
    WaitUntil([&] {
      for (HWND window : VisibleWindows())
        if (wanted(window)) found = window;
      return found != nullptr;
    });
    return found;
  }
  HWND WaitForOwnedDialog(HWND owner, const std::string& caption) const {
    return WaitForWindow([&](HWND window) {
      return ClassOf(window) == "#32770" && GetWindow(window, GW_OWNER) == owner &&
             (caption.empty() || TextOf(window) == caption);
    });
  }
  // Returns once the window is gone and the program has handled what came before.
  void WaitUntilClosed(HWND window) const {
    WaitUntil([&] { return !IsWindow(window) || !IsWindowVisible(window); });
    SendMessageA(main, WM_NULL, 0, 0);
  }
  void Answer(HWND dialog, int button) const {
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, button)));
  }
  // Waits for the file dialog with that title, checks that it starts with an empty name, enters the
  // name and presses OK; answers the dialog.
  HWND ChooseFile(const char* title, const std::string& name) const {
    HWND dialog = WaitForOwnedDialog(main, title);
    EXPECT_NE(nullptr, dialog) << title;
    HWND nameBox = GetDlgItem(dialog, 0x47C);  // the name combo box
    EXPECT_EQ("", TextOf(nameBox));
    SendMessageA(nameBox, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(name.c_str()));
    Answer(dialog, IDOK);
    return dialog;
  }
  // The texts of the error box that the main window owns; it is closed.
  std::vector<std::string> TakeErrorBox() const {
    HWND box = WaitForOwnedDialog(main, kErrorCaption);
    const std::vector<std::string> texts = StaticTexts(box);
    Answer(box, IDOK);
    WaitUntilClosed(box);
    return texts;
  }
  std::string PlanFile(const std::string& name) const { return folder.File("save\\" + name); }

  HWND Control(int id) const { return GetDlgItem(main, id); }
  // Returns once the program has handled the click.
  void Click(int id) const { SendMessageA(Control(id), BM_CLICK, 0, 0); }
  // For a click that opens a modal window, which the test must then drive.
  void PostClick(int id) const { PostMessageA(Control(id), BM_CLICK, 0, 0); }
  void SysCommand(UINT id) const { SendMessageA(main, WM_SYSCOMMAND, id, 0); }
  std::string Total() const { return TextOf(Control(IDC_TOTAL_LABEL)); }
  // The ids of the checked type, job and attribute controls.
  std::vector<int> CheckedIds() const {
    std::vector<int> checked;
    for (int id = IDC_TYPE_FIRST; id <= IDC_ATTRIBUTE_DARK; ++id)
      if (SendMessageA(Control(id), BM_GETCHECK, 0, 0) == BST_CHECKED) checked.push_back(id);
    return checked;
  }

  // The list's cells are read through a buffer in the program's memory.
  std::string CellText(HWND view, int row, int column) const {
    LVITEMA item{};
    item.iSubItem = column;
    item.pszText = remote + sizeof item;
    item.cchTextMax = kRemoteSize - static_cast<int>(sizeof item);
    WriteProcessMemory(process.hProcess, remote, &item, sizeof item, nullptr);
    SendMessageA(view, LVM_GETITEMTEXTA, row, reinterpret_cast<LPARAM>(remote));
    char text[256] = {};
    ReadProcessMemory(process.hProcess, item.pszText, text, sizeof text - 1, nullptr);
    return text;
  }
  std::string LevelText(int row) const { return CellText(list, row, kColumnSkillLevel); }
  // A point on the cell's image: a few pixels right of its left edge, mid-height.
  POINT CellPoint(int row, int column) const {
    RECT cell{LVIR_BOUNDS, column, 0, 0};
    WriteProcessMemory(process.hProcess, remote, &cell, sizeof cell, nullptr);
    SendMessageA(list, LVM_GETSUBITEMRECT, row, reinterpret_cast<LPARAM>(remote));
    ReadProcessMemory(process.hProcess, remote, &cell, sizeof cell, nullptr);
    return POINT{cell.left + 5, (cell.top + cell.bottom) / 2};
  }
  // Both return once the program has handled them (the press with its immediate step, the release
  // with its worker stopped). The pointer is put on the pressed point first, so that no real mouse
  // move ends the press.
  void Press(POINT point) const {
    POINT screen = point;
    ClientToScreen(list, &screen);
    SetCursorPos(screen.x, screen.y);
    SendMessageA(list, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(point.x, point.y));
  }
  void Release(POINT point) const {
    SendMessageA(list, WM_LBUTTONUP, 0, MAKELPARAM(point.x, point.y));
  }
  // The same steps in the expected plan.
  void Expect(int row, LevelOp op, int times = 1) {
    ChangeList changes;
    for (int step = 0; step < times; ++step) database.StepRowLevel(row, op, changes);
  }
  // A step cell clicked in the program and the same step in the expected plan.
  void Step(int row, LevelOp op) {
    Press(CellPoint(row, kColumnFirstStep + op));
    Release(CellPoint(row, kColumnFirstStep + op));
    Expect(row, op);
  }
  bool ShowsExpectedTotal() const { return Total() == std::to_string(database.TotalPoints()); }
  // The list's levels and the total against the expected plan.
  void ExpectShowsExpectedPlan() const {
    ASSERT_EQ(database.RowCount(), SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
    for (int row = 0; row < database.RowCount(); ++row) {
      const SkillEntry entry = RowEntry(database, row);
      EXPECT_EQ(entry.IsMastered() ? "Master!" : std::to_string(entry.level), LevelText(row))
          << row;
    }
    EXPECT_TRUE(ShowsExpectedTotal()) << Total();
  }
  // A type and a job clicked, and the plan they build as the expected one.
  void Choose(int type, int job, JobCode code) {
    Click(type);
    Click(job);
    ASSERT_TRUE(database.BuildPlan(code));
  }
  // Saved by the save button under that name.
  void SaveAs(const std::string& name) const {
    PostClick(IDC_SAVE_BUTTON);
    WaitUntilClosed(ChooseFile(kPlanFileSaveTitle, name));
  }
  // The dragon at rank 2 (S2) with a mastered and a raised skill.
  void ChooseDarkDragonWithLevels() {
    Click(IDC_TYPE_DRAGON);
    Click(IDC_JOB_RANK2S);
    Click(IDC_ATTRIBUTE_DARK);
    ASSERT_TRUE(database.BuildPlan(0x412321));
    Step(0, Max);
    Step(3, Up);
  }

  // Real key input to the program's focused control: each key of the chord pressed in order, then
  // released in reverse.
  void Keys(std::initializer_list<WORD> chord, HWND target = nullptr) const {
    // Keys reach only the active window, which a fresh start may not be yet.
    HWND window = target ? target : main;
    SetForegroundWindow(window);
    WaitUntil([window] { return GetForegroundWindow() == window; });
    std::vector<INPUT> inputs(2 * chord.size(), INPUT{INPUT_KEYBOARD, {}});
    for (std::size_t i = 0; i < chord.size(); ++i) {
      inputs[i].ki.wVk = inputs[inputs.size() - 1 - i].ki.wVk = std::data(chord)[i];
      inputs[chord.size() + i].ki.dwFlags = KEYEVENTF_KEYUP;
    }
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
  }

  // A real click of the left button in the middle of a control.
  void MouseClick(HWND control) const {
    SetForegroundWindow(main);
    WaitUntil([this] { return GetForegroundWindow() == main; });
    const RECT rect = WindowRect(control);
    SetCursorPos((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
    INPUT inputs[2] = {{INPUT_MOUSE, {}}, {INPUT_MOUSE, {}}};
    inputs[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    inputs[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(2, inputs, sizeof(INPUT));
  }
  GUITHREADINFO ProgramThread() const {
    GUITHREADINFO thread{};
    thread.cbSize = sizeof thread;
    GetGUIThreadInfo(GetWindowThreadProcessId(main, nullptr), &thread);
    return thread;
  }
  bool InMenu() const { return (ProgramThread().flags & GUI_INMENUMODE) != 0; }
  // How many windows of the program show with that caption.
  int Shown(const std::string& caption) const {
    int count = 0;
    for (HWND window : VisibleWindows()) count += TextOf(window) == caption;
    return count;
  }

  // What a comparison dialog shows, as its copy puts it: the headings, the
  // figures, the skills (or the text that none differs) and the items, each
  // table after an empty line.
  std::string ComparisonShown(HWND dialog) const {
    auto text = [dialog](int id) { return TextOf(GetDlgItem(dialog, id)); };
    auto table = [&](int id, std::vector<std::string> titles) {
      std::string lines = "\r\n";
      HWND view = GetDlgItem(dialog, id);
      const int rows = static_cast<int>(SendMessageA(view, LVM_GETITEMCOUNT, 0, 0));
      for (int row = -1; row < rows; ++row)
        for (std::size_t column = 0; column < titles.size(); ++column)
          lines += (row < 0 ? titles[column] : CellText(view, row, static_cast<int>(column))) +
                   (column + 1 < titles.size() ? "\t" : "\r\n");
      return rows > 0 || id == IDC_COMPARE_ITEMS ? lines
                                                 : lines + text(IDC_COMPARE_NO_DIFFERENCE) + "\r\n";
    };
    std::string shown =
        text(IDC_COMPARE_HEADING_CURRENT) + "\r\n" + text(IDC_COMPARE_HEADING_OTHER) + "\r\n\r\n";
    // The figures stand in a text per column, a line per row.
    std::vector<std::string> figures(5);
    for (int column = 0; column < IDC_COMPARE_FIGURE_COLUMNS; ++column) {
      const std::string lines = text(IDC_COMPARE_FIGURES_FIRST + column) + "\r\n";
      for (std::size_t row = 0, at = 0; row < figures.size(); ++row, at = lines.find('\n', at) + 1)
        figures[row] += (column ? "\t" : "") + lines.substr(at, lines.find('\r', at) - at);
    }
    for (const std::string& line : figures) shown += line + "\r\n";
    return shown +
           table(IDC_COMPARE_SKILLS, {kListTitleJob, kListTitleSkillName, kCompareCurrentLevel,
                                      kCompareOtherLevel, kComparePointDifference}) +
           table(IDC_COMPARE_ITEMS,
                 {kOverviewColumnItem, kCompareCurrent, kCompareOther, kCompareDifference});
  }

  // The plug-in's calls, without the GetWnd queries.
  std::vector<std::string> PluginCalls() const {
    return CallsBesidesGetWnd(folder.ReadLines("VexaChar.log"));
  }

  static constexpr int kRemoteSize = 4096;
  AppScratchFolder folder;
  GameDatabase database;
  PROCESS_INFORMATION process{};
  HWND main = nullptr, list = nullptr;
  char* remote = nullptr;
};

const std::vector<int> kDarkDragonIds = {IDC_TYPE_DRAGON, IDC_JOB_RANK2S, IDC_ATTRIBUTE_WATER,
                                         IDC_ATTRIBUTE_DARK};

}  // namespace

TEST_F(ProgramTest, WithoutDataFileOneMessageBoxAndExitCodeZero) {
  Launch();
  HWND box = WaitForWindow([](HWND window) { return ClassOf(window) == "#32770"; });
  ASSERT_NE(nullptr, box);
  EXPECT_EQ(kErrorCaption, TextOf(box));
  EXPECT_EQ(std::vector<std::string>{kStartupDataFileError}, StaticTexts(box));
  EXPECT_EQ(std::vector<HWND>{box}, VisibleWindows());
  EXPECT_EQ(nullptr, GetWindow(box, GW_OWNER));
  PostMessageA(box, WM_COMMAND, IDOK, 0);
  EXPECT_EQ(0u, WaitForExit());
  // None of the plug-in's entry points was called.
  EXPECT_FALSE(std::filesystem::exists(folder.File("VexaChar.log")));
}

// A whole run: the dark dragon saved under a name without extension (the dialog adds ".vx3"),
// another type chosen, the file loaded back, the program closed; the plug-in started, told the
// loaded plan, and ended. Then Explorer opens the plan, named quoted on the command line, with the
// plan's folder as the working directory: the data file beside the program serves, further
// arguments are ignored, and the plan shows as loaded.
TEST_F(ProgramTest, SavedPlanComesBackThroughTheFileDialogAndTheCommandLine) {
  Start();
  EXPECT_EQ(std::string(kMainDialogCaption) + " - Version 2.2.2.1", TextOf(main));
  ASSERT_NO_FATAL_FAILURE(ChooseDarkDragonWithLevels());
  SaveAs("plan");
  EXPECT_EQ(database.PlanFileText(), Bytes(PlanFile("plan.vx3")));
  EXPECT_EQ(0u, database.PlanFileText().find("job 412321\r\nskill "));

  Click(IDC_TYPE_BUNNY);
  EXPECT_EQ("0", Total());
  PostClick(IDC_LOAD_BUTTON);
  WaitUntilClosed(ChooseFile(kPlanFileOpenTitle, "plan.vx3"));
  EXPECT_EQ(kDarkDragonIds, CheckedIds());
  ExpectShowsExpectedPlan();
  // Closed as loaded: no question; the plug-in told the loaded plan last.
  auto closeAsLoaded = [this] {
    PostMessageA(main, WM_CLOSE, 0, 0);
    ASSERT_EQ(0u, WaitForExit());
    const std::vector<std::string> calls = PluginCalls();
    ASSERT_GE(calls.size(), 6u);
    EXPECT_EQ("VexaChar_Initialize(" + LoggedHandle(main) + ")", calls[0]);
    EXPECT_EQ(0u, calls[1].rfind("VexaChar_Create(", 0));
    EXPECT_NE(std::string::npos, calls[1].find(", 0)"));
    EXPECT_EQ((std::vector<std::string>{"VexaChar_SetChar(3, 0)", "VexaChar_SetRank(4, 1)",
                                        "VexaChar_Delete()", "VexaChar_Terminate()"}),
              std::vector<std::string>(calls.end() - 4, calls.end()));
  };
  closeAsLoaded();
  EXPECT_EQ("VexaChar_GetWnd()", folder.ReadLines("VexaChar.log").front());  // nothing told yet

  const std::string plans = PlanFile("my plans"), path = plans + "\\" + kPlanTestFileName;
  ASSERT_TRUE(CreateDirectoryA(plans.c_str(), nullptr));
  ASSERT_TRUE(MoveFileA(PlanFile("plan.vx3").c_str(), path.c_str()));
  std::remove(folder.File("VexaChar.log").c_str());
  End();
  ASSERT_NO_FATAL_FAILURE(Launch(" \"" + path + "\" other.vx3", plans));
  ASSERT_NO_FATAL_FAILURE(FindMainWindow());
  ASSERT_TRUE(WaitUntil([&] { return ShowsExpectedTotal(); }));
  EXPECT_EQ(kDarkDragonIds, CheckedIds());
  // The boxes as the dragon's rank 2 (S) job enables them, though no job was set before.
  EXPECT_TRUE(IsWindowEnabled(Control(IDC_ATTRIBUTE_DARK)));
  EXPECT_FALSE(IsWindowEnabled(Control(IDC_ATTRIBUTE_WATER)));
  ExpectShowsExpectedPlan();
  closeAsLoaded();
}

// A save before any plan shows no dialog; the load makes the folder before the user chooses, even
// if he cancels; a save that fails says so and keeps the file there; a load that fails while
// reading changes nothing, one that fails after rebuilding the plan has the window follow it.
TEST_F(ProgramTest, FailedCommandsReportAndShowThePlanAsItIs) {
  Start();
  DWORD_PTR ignored = 0;
  ASSERT_NE(0, SendMessageTimeoutA(Control(IDC_SAVE_BUTTON), BM_CLICK, 0, 0, SMTO_NORMAL, 5000,
                                   &ignored));
  EXPECT_FALSE(std::filesystem::exists(PlanFile("")));
  PostClick(IDC_LOAD_BUTTON);
  HWND dialog = WaitForOwnedDialog(main, kPlanFileOpenTitle);
  EXPECT_TRUE(std::filesystem::is_directory(PlanFile("")));
  Answer(dialog, IDCANCEL);
  WaitUntilClosed(dialog);
  EXPECT_EQ(0, SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));

  ASSERT_TRUE(database.BuildPlan(0x312));
  const std::string first = RowEntry(database, 0).key;
  const std::string last = RowEntry(database, database.RowCount() - 1).key;
  folder.Write("save/0.vx3", "job 312\r\nskill " + first + " 1\r\n\r\nskill " + last + " 1\r\n");
  folder.Write("save/1.vx3", "job 30\r\n");
  // Records apply from the last up, so the one after the unknown key is in.
  folder.Write("save/unknown.vx3", "job 312\r\nskill no-such-skill 1\r\nskill " + last + " 11\r\n");

  ASSERT_NO_FATAL_FAILURE(Choose(IDC_TYPE_DRAGON, IDC_JOB_RANK2H, 0x211321));
  Step(1, Max);
  SaveAs("kept");
  const std::string kept = Bytes(PlanFile("kept.vx3"));
  ASSERT_EQ(0u, kept.find("job 211321\r\n"));
  // The save's scratch file cannot be made: the save fails after the user agreed to replace the
  // file.
  Step(0, Max);
  std::filesystem::create_directory(PlanFile("kept.vx3.tmp"));
  PostClick(IDC_SAVE_BUTTON);
  HWND replace = WaitForOwnedDialog(ChooseFile(kPlanFileSaveTitle, "kept.vx3"), "");
  ASSERT_NE(nullptr, replace);
  Answer(replace, IDYES);
  EXPECT_EQ(std::vector<std::string>{kPlanFileSaveError}, TakeErrorBox());
  EXPECT_EQ(kept, Bytes(PlanFile("kept.vx3")));

  const std::vector<int> checked = CheckedIds();
  for (const char* name : {"0.vx3", "1.vx3", "unknown.vx3"}) {
    PostClick(IDC_LOAD_BUTTON);
    ChooseFile(kPlanFileOpenTitle, name);
    EXPECT_EQ(std::vector<std::string>{kPlanFileLoadError}, TakeErrorBox()) << name;
    if (name[0] == 'u') continue;
    EXPECT_EQ(checked, CheckedIds()) << name;
    ExpectShowsExpectedPlan();
  }
  ASSERT_TRUE(database.BuildPlan(0x312));
  ChangeList changes;
  database.StepLevel(last, Max, changes);
  EXPECT_EQ(
      (std::vector<int>{IDC_TYPE_BUNNY, IDC_JOB_RANK1, IDC_ATTRIBUTE_WATER, IDC_ATTRIBUTE_LIGHT}),
      CheckedIds());
  ExpectShowsExpectedPlan();
}

// Presses sent to the list as the mouse would, on bunny's first job:
// atk_charge (row 3) needs atk_slash (row 0) at 3; atk_vigor (row 2) is free;
// atk_guard (row 1) has one level.
TEST_F(ProgramTest, StepCellsStepRepeatAndEndAsTheMouseDoes) {
  Start();
  ASSERT_NO_FATAL_FAILURE(Choose(IDC_TYPE_BUNNY, IDC_JOB_RANK1, 0x312));
  Step(3, Up);  // raises what it requires
  EXPECT_EQ("3", LevelText(0));
  ExpectShowsExpectedPlan();

  // Held ">": the immediate step, then one every 300 ms, none after the release; held at a
  // one-level skill's maximum, it stays there.
  const POINT up = CellPoint(2, kColumnFirstStep + Up),
              single = CellPoint(1, kColumnFirstStep + Up);
  const DWORD pressed = GetTickCount();
  Press(up);
  WaitUntil([&] { return LevelText(2) == "3"; });
  Release(up);
  const DWORD held = GetTickCount() - pressed;
  const int level = std::stoi(LevelText(2));
  EXPECT_GE(level, 3);
  EXPECT_LE(level, 1 + static_cast<int>(held / 300));
  EXPECT_GE(2 * level, static_cast<int>(held / 300));  // loosely: a busy machine is slow
  Press(single);
  Sleep(700);
  Release(single);
  Sleep(400);
  EXPECT_EQ(std::to_string(level), LevelText(2));
  Expect(2, Up, level);
  Expect(1, Up);
  ExpectShowsExpectedPlan();

  // ">>" steps on its release; "<" on the prerequisite clears the skill that needs more of it.
  Step(3, Max);
  EXPECT_EQ("Master!", LevelText(3));
  Step(0, Down);
  EXPECT_EQ("0", LevelText(3));
  ExpectShowsExpectedPlan();

  // A lost capture ends a held ">", and so does a command that arrives meanwhile (as from the
  // keyboard): the load before its dialog opens, the reset before it resets.
  const POINT vigor = CellPoint(2, kColumnFirstStep + Up);
  Press(vigor);
  SendMessageA(list, WM_CANCELMODE, 0, 0);
  Press(vigor);
  PostMessageA(main, WM_COMMAND, IDC_LOAD_BUTTON,
               reinterpret_cast<LPARAM>(Control(IDC_LOAD_BUTTON)));
  HWND dialog = WaitForOwnedDialog(main, kPlanFileOpenTitle);
  Sleep(700);
  Answer(dialog, IDCANCEL);
  WaitUntilClosed(dialog);
  Release(vigor);
  EXPECT_EQ(std::to_string(level + 2), LevelText(2));
  Press(vigor);
  SendMessageA(main, WM_COMMAND, IDC_RESET_BUTTON,
               reinterpret_cast<LPARAM>(Control(IDC_RESET_BUTTON)));
  Sleep(700);
  Release(vigor);
  database.ResetLevels();
  ExpectShowsExpectedPlan();
}

// A type click wipes the levels; Ctrl+Z brings back every level and the controls, Ctrl+Y and
// Ctrl+Shift+Z go forward again, the system menu's commands do the same as the keys, and a key
// press on the list's cursor row steps it, one undo step each.
TEST_F(ProgramTest, UndoRedoAndTheKeyboardCursorRow) {
  Start();
  ASSERT_NO_FATAL_FAILURE(ChooseDarkDragonWithLevels());
  Click(IDC_TYPE_BUNNY);
  ASSERT_EQ("0", Total());
  const std::vector<int> bunny = CheckedIds();
  Keys({VK_CONTROL, 'Z'});
  ASSERT_TRUE(WaitUntil([&] { return ShowsExpectedTotal(); }));
  EXPECT_EQ(kDarkDragonIds, CheckedIds());
  ExpectShowsExpectedPlan();
  Keys({VK_CONTROL, 'Y'});
  ASSERT_TRUE(WaitUntil([&] { return Total() == "0"; }));
  EXPECT_EQ(bunny, CheckedIds());
  // Keys of an open menu are the menu's.
  Keys({VK_MENU, VK_SPACE});
  ASSERT_TRUE(WaitUntil([&] { return InMenu(); }));
  Keys({VK_CONTROL, 'Z'});
  // The first Esc closes the system menu, the second leaves the menu mode.
  Keys({VK_ESCAPE});
  Keys({VK_ESCAPE});
  ASSERT_TRUE(WaitUntil([&] { return !InMenu(); }));
  EXPECT_EQ(bunny, CheckedIds());
  SysCommand(kUndo);
  EXPECT_EQ(kDarkDragonIds, CheckedIds());
  Keys({VK_CONTROL, VK_SHIFT, 'Z'});
  ASSERT_TRUE(WaitUntil([&] { return Total() == "0"; }));
  SysCommand(kUndo);
  SysCommand(kUndo);  // back over the step of row 3
  database.Undo();
  ExpectShowsExpectedPlan();

  // A press puts the cursor on its row and the focus in the list; Right and + step it up, Left and
  // - down, Shift to the ends.
  Step(0, Down);
  Keys({VK_DOWN});
  const struct {
    std::initializer_list<WORD> keys;
    LevelOp op;
  } presses[] = {{{VK_RIGHT}, Up},  {{VK_SHIFT, VK_RIGHT}, Max},
                 {{VK_LEFT}, Down}, {{VK_SUBTRACT}, Down},
                 {{VK_ADD}, Up},    {{VK_SHIFT, VK_LEFT}, Zero}};
  for (const auto& press : presses) {
    Keys(press.keys);
    Expect(1, press.op);
    ASSERT_TRUE(WaitUntil([&] { return ShowsExpectedTotal(); })) << *press.keys.begin();
  }
  ExpectShowsExpectedPlan();
  SysCommand(kUndo);  // the last key press alone
  database.Undo();
  ExpectShowsExpectedPlan();
}

// Closing a modified plan asks first: Cancel keeps the program, Yes saves (a cancelled save keeps
// it too) and ends, No ends without saving; a plan just saved ends at once.
TEST_F(ProgramTest, ClosingAModifiedPlanAsksToSaveItFirst) {
  Start();
  Click(IDC_TYPE_FOX);
  ASSERT_TRUE(database.BuildPlan(0x142));
  Step(1, Up);
  auto askToClose = [&] {
    PostMessageA(main, WM_CLOSE, 0, 0);
    HWND box = WaitForOwnedDialog(main, kMainDialogCaption);
    EXPECT_EQ(std::vector<std::string>{kUnsavedChangesPrompt}, StaticTexts(box));
    return box;
  };
  // Alt+Space, C: the system menu's own close, as in every Windows program.
  Keys({VK_MENU, VK_SPACE});
  ASSERT_TRUE(WaitUntil([&] { return InMenu(); }));
  Keys({'C'});
  HWND box = WaitForOwnedDialog(main, kMainDialogCaption);
  ASSERT_NE(nullptr, box);
  EXPECT_EQ(std::vector<std::string>{kUnsavedChangesPrompt}, StaticTexts(box));
  // Yes, No and Cancel, Yes the default button.
  EXPECT_EQ(BS_DEFPUSHBUTTON, GetWindowLongA(GetDlgItem(box, IDYES), GWL_STYLE) & BS_TYPEMASK);
  EXPECT_NE(nullptr, GetDlgItem(box, IDNO));
  Answer(box, IDCANCEL);
  WaitUntilClosed(box);
  ExpectShowsExpectedPlan();
  Answer(askToClose(), IDYES);
  HWND dialog = WaitForOwnedDialog(main, kPlanFileSaveTitle);
  Answer(dialog, IDCANCEL);
  WaitUntilClosed(dialog);
  EXPECT_EQ(STILL_ACTIVE, WaitForExit(200));
  Answer(askToClose(), IDYES);
  ChooseFile(kPlanFileSaveTitle, "closing");
  EXPECT_EQ(0u, WaitForExit());
  EXPECT_EQ(database.PlanFileText(), Bytes(PlanFile("closing.vx3")));

  // Started again: saved right away ends without a question; changed, No ends without saving, the
  // plug-in told to close as always.
  ASSERT_NO_FATAL_FAILURE(Restart());
  Click(IDC_TYPE_FOX);
  SaveAs("fresh");
  Keys({VK_ESCAPE});
  EXPECT_EQ(0u, WaitForExit());
  ASSERT_NO_FATAL_FAILURE(Restart());
  Click(IDC_TYPE_FOX);
  Answer(askToClose(), IDNO);
  EXPECT_EQ(0u, WaitForExit());
  const std::vector<std::string> calls = PluginCalls();
  EXPECT_EQ((std::vector<std::string>{"VexaChar_Delete()", "VexaChar_Terminate()"}),
            std::vector<std::string>(calls.end() - 2, calls.end()));
}

// Ctrl+C puts the bytes a save writes, the table command what the lists show, both in Shift-JIS and
// Unicode with a Japanese locale. Text that would not load whole is refused with the error box and
// changes nothing, not even the undo steps. Pasted with Ctrl+V into a fresh start, where Ctrl+C
// without a plan does nothing, the copy is the same plan, also with the blanks a chat adds.
TEST_F(ProgramTest, PlansTravelThroughTheClipboard) {
  Start();
  ASSERT_NO_FATAL_FAILURE(ChooseDarkDragonWithLevels());
  // The lowest visible row without a label of its own, far from its block's first.
  int unlabelled = static_cast<int>(SendMessageA(list, LVM_GETCOUNTPERPAGE, 0, 0)) - 1;
  while (unlabelled > 3 && !CellText(list, unlabelled, kColumnJob).empty()) --unlabelled;
  Step(unlabelled, Up);
  const std::string plan = database.PlanFileText();

  PutClipboardText(L"before");
  Keys({VK_CONTROL, 'C'});
  ASSERT_TRUE(WaitUntil([&] { return ClipboardData<char>(CF_TEXT) == plan; }));
  EXPECT_EQ(Widened(plan), ClipboardData<wchar_t>(CF_UNICODETEXT));
  EXPECT_EQ(std::string("\x11\x04", 2), ClipboardData<char>(CF_LOCALE).substr(0, 2));
  // The table as the lists show it: the title list's texts, each row above level 0 with its block's
  // job label, then the total.
  auto line = [this](HWND view, int row, const std::string& job) {
    std::string text = job;
    for (int column = kColumnSkillName; column < kColumnFirstStep; ++column)
      text += "\t" + CellText(view, row, column);
    return text + "\r\n";
  };
  HWND titles = Control(IDC_HEADER_LIST);
  std::string table = line(titles, 0, CellText(titles, 0, kColumnJob)), label;
  for (int row = 0; row < database.RowCount(); ++row) {
    if (!CellText(list, row, kColumnJob).empty()) label = CellText(list, row, kColumnJob);
    if (LevelText(row) != "0") table += line(list, row, label);
  }
  table += kTableTotalTitle + ("\t" + Total()) + "\r\n";
  SysCommand(kCopyTable);
  EXPECT_EQ(table, ClipboardData<char>(CF_TEXT));
  EXPECT_EQ(Widened(table), ClipboardData<wchar_t>(CF_UNICODETEXT));

  PutClipboardText(L"job 412321\r\nskill no-such-skill 1\r\n");
  PostMessageA(main, WM_SYSCOMMAND, kPaste, 0);
  EXPECT_EQ(std::vector<std::string>{kPasteRefused}, TakeErrorBox());
  EXPECT_EQ(kDarkDragonIds, CheckedIds());
  ExpectShowsExpectedPlan();
  SysCommand(kUndo);  // still the last step first
  ASSERT_TRUE(database.Undo());
  ExpectShowsExpectedPlan();
  SysCommand(kRedo);
  ASSERT_TRUE(database.Redo());
  Keys({VK_CONTROL, 'C'});
  ASSERT_TRUE(WaitUntil([&] { return ClipboardData<char>(CF_TEXT) == plan; }));

  // Indented, tabbed, with ideographic and no-break spaces, as a chat gives it.
  std::wstring chatted;
  for (wchar_t unit : Widened(plan))
    chatted += unit == L' '    ? L"\u00a0\t\u3000 "
               : unit == L'\n' ? L"\n\u3000\u00a0\t "
                               : std::wstring(1, unit);
  PutClipboardText(chatted);
  ASSERT_NO_FATAL_FAILURE(Restart());
  Keys({VK_CONTROL, 'C'});
  Keys({VK_CONTROL, 'V'});
  ASSERT_TRUE(WaitUntil([&] { return ShowsExpectedTotal(); }));
  EXPECT_EQ(kDarkDragonIds, CheckedIds());
  ExpectShowsExpectedPlan();
}

// Bunny's basic job with atk_slash, atk_cleave and atk_vigor mastered: the overview (Ctrl+I) shows
// the figures and the item list and copies both; Esc closes it; the TM total's tip shows the same
// figures.
TEST_F(ProgramTest, OverviewAndTheTotalsTipShowTheRequiredLevelCountsAndItems) {
  Start();
  Click(IDC_TYPE_BUNNY);
  ASSERT_TRUE(database.BuildPlan(0x112));
  for (int row : {5, 0, 2}) Step(row, Max);
  Keys({VK_CONTROL, 'I'});
  HWND dialog = WaitForOwnedDialog(main, kOverviewCaption);
  ASSERT_NE(nullptr, dialog);
  const std::pair<const char*, std::string> figures[] = {
      {kOverviewRequiredLevel, "10"},
      {kTableTotalTitle, std::to_string(database.TotalPoints())},
      {kOverviewLearnt, "3 / 12"},
      {kOverviewMastered, "3 / 12"}};
  std::string expected;
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(figures[i].first, TextOf(GetDlgItem(dialog, IDC_OVERVIEW_LABEL_FIRST + i)));
    EXPECT_EQ(figures[i].second, TextOf(GetDlgItem(dialog, IDC_OVERVIEW_VALUE_FIRST + i)));
    expected += figures[i].first + ("\t" + figures[i].second) + "\r\n";
  }
  expected += std::string("\r\n") + kOverviewColumnItem + "\t" + kOverviewColumnCount + "\t" +
              kOverviewColumnSkills + "\r\n";
  auto name = [this](int row) { return RowEntry(database, row).displayName; };
  const std::vector<std::string> items[] = {
      {RowEntry(database, 0).masterItemName, "3", name(0) + kNameSeparator + name(5)},
      {RowEntry(database, 2).masterItemName, "2", name(2)}};
  HWND itemList = GetDlgItem(dialog, IDC_OVERVIEW_ITEMS);
  ASSERT_EQ(2, SendMessageA(itemList, LVM_GETITEMCOUNT, 0, 0));
  for (int row = 0; row < 2; ++row) {
    for (int column = 0; column < 3; ++column)
      EXPECT_EQ(items[row][column], CellText(itemList, row, column)) << row << "/" << column;
    expected += items[row][0] + "\t" + items[row][1] + "\t" + items[row][2] + "\r\n";
  }
  SendMessageA(GetDlgItem(dialog, IDC_OVERVIEW_COPY), BM_CLICK, 0, 0);
  EXPECT_EQ(expected, ClipboardData<char>(CF_TEXT));
  Keys({VK_ESCAPE}, dialog);
  WaitUntilClosed(dialog);

  // The TM total's tip shows the overview's level and counts.
  const RECT label = WindowRect(Control(IDC_TOTAL_LABEL));
  POINT onTotal{(label.left + label.right) / 2, (label.top + label.bottom) / 2};
  SetCursorPos(onTotal.x, onTotal.y);
  ScreenToClient(main, &onTotal);
  PostMessageA(main, WM_MOUSEMOVE, 0, MAKELPARAM(onTotal.x, onTotal.y));
  // A row's tip may still show a moment: the total's is waited for.
  const std::string expectedTip = std::string(kOverviewRequiredLevel) + ": 10\r\n" +
                                  kOverviewLearnt + ": 3 / 12\r\n" + kOverviewMastered + ": 3 / 12";
  std::string tip;
  WaitUntil([&] {
    for (HWND shown : VisibleWindows()) {
      // GetWindowText reads no text of another process's window without a caption.
      char text[512] = {};
      if (ClassOf(shown) == TOOLTIPS_CLASSA)
        SendMessageA(shown, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
      if (text[0]) tip = text;
      if (tip == expectedTip) return true;
    }
    return false;
  });
  EXPECT_EQ(expectedTip, tip);
}

// Bunny's first job with atk_slash (row 0) mastered is saved, then atk_vigor
// (row 2) raised. Each source opens the comparison over the main window with
// the skills that differ, in the list's texts: the clipboard's basic job
// (atk_guard, row 1, mastered), a file (atk_charge, row 3, mastered, which
// raised atk_slash to 3), the saved plan through Alt+Space and its access
// key. A refused text or file shows its box and no comparison. Ctrl+C puts
// what the dialog shows; Esc and Enter close it. The plan, its undo step and
// its modified state stay: undone, it is the saved plan and closes at once.
TEST_F(ProgramTest, ComparisonsFromEachSourceShowTheDifferencesAndLeaveThePlan) {
  Start();
  ASSERT_NO_FATAL_FAILURE(Choose(IDC_TYPE_BUNNY, IDC_JOB_RANK1, 0x312));
  Step(0, Max);
  SaveAs("saved");
  Step(2, Up);
  const std::vector<int> checked = CheckedIds();
  auto key = [this](int row) { return RowEntry(database, row).key; };
  auto points = [this](int row, int level) {
    SkillEntry entry = RowEntry(database, row);
    entry.level = level;
    return entry.Points();
  };
  using Rows = std::vector<std::vector<std::string>>;
  auto line = [&](int row, const char* current, const char* other, int difference) {
    return std::vector<std::string>{RowEntry(database, 0).jobLabel,
                                    RowEntry(database, row).displayName, current, other,
                                    (difference > 0 ? "+" : "") + std::to_string(difference)};
  };
  // The comparison's skill rows, its copy by Ctrl+C, its other plan's heading.
  struct Seen {
    Rows rows;
    std::string heading;
  };
  auto compare = [&](const std::function<void()>& open, WORD closer) {
    open();
    HWND dialog = WaitForOwnedDialog(main, kCompareCaption);
    Seen shown{{}, TextOf(GetDlgItem(dialog, IDC_COMPARE_HEADING_OTHER))};
    HWND skills = GetDlgItem(dialog, IDC_COMPARE_SKILLS);
    for (int row = 0; row < SendMessageA(skills, LVM_GETITEMCOUNT, 0, 0); ++row) {
      shown.rows.emplace_back();
      for (int column = 0; column < 5; ++column)
        shown.rows.back().push_back(CellText(skills, row, column));
    }
    PutClipboardText(L"before");
    Keys({VK_CONTROL, 'C'}, dialog);
    EXPECT_TRUE(WaitUntil([&] { return ClipboardData<char>(CF_TEXT) == ComparisonShown(dialog); }));
    Keys({closer}, dialog);
    WaitUntilClosed(dialog);
    EXPECT_FALSE(IsWindow(dialog));
    return shown;
  };

  PutClipboardText(Widened("job 112\r\nskill " + key(0) + " 11\r\nskill " + key(1) + " 1\r\n"));
  const Seen basic =
      compare([&] { PostMessageA(main, WM_SYSCOMMAND, kCompareClipboard, 0); }, VK_ESCAPE);
  EXPECT_EQ((Rows{line(1, "0", "Master!", points(1, 1)), line(2, "1", "0", -points(2, 1))}),
            basic.rows);
  std::string type, job;
  database.typeName(0, type);
  database.jobName(0, 0, job);
  EXPECT_EQ(std::string(kCompareOther) + ": " + type + " " + job, basic.heading);
  PutClipboardText(L"job 312\r\nskill no-such-skill 1\r\n");
  PostMessageA(main, WM_SYSCOMMAND, kCompareClipboard, 0);
  EXPECT_EQ(std::vector<std::string>{kPasteRefused}, TakeErrorBox());

  folder.Write("save/other.vx3", "job 312\r\nskill " + key(3) + " 11\r\n");
  folder.Write("save/bad.vx3", "job 312\r\nskill no-such-skill 1\r\n");
  PostMessageA(main, WM_SYSCOMMAND, kCompareFile, 0);
  ChooseFile(kCompareOpenTitle, "bad.vx3");
  EXPECT_EQ(std::vector<std::string>{kPlanFileLoadError}, TakeErrorBox());
  EXPECT_EQ(0, Shown(kCompareCaption));
  const Seen file = compare(
      [&] {
        PostMessageA(main, WM_SYSCOMMAND, kCompareFile, 0);
        ChooseFile(kCompareOpenTitle, "other.vx3");
      },
      VK_RETURN);
  EXPECT_EQ((Rows{line(0, "Master!", "3", points(0, 3) - points(0, 11)),
                  line(2, "1", "0", -points(2, 1)), line(3, "0", "Master!", points(3, 11))}),
            file.rows);

  const Seen saved = compare(
      [&] {
        Keys({VK_MENU, VK_SPACE});
        WaitUntil([&] { return InMenu(); });
        Keys({'L'});
      },
      VK_ESCAPE);
  EXPECT_EQ(Rows{line(2, "1", "0", -points(2, 1))}, saved.rows);

  EXPECT_EQ(checked, CheckedIds());
  ExpectShowsExpectedPlan();
  SysCommand(kUndo);
  database.Undo();
  ExpectShowsExpectedPlan();
  PostMessageA(main, WM_CLOSE, 0, 0);
  EXPECT_EQ(0u, WaitForExit());
}

// The About box names the program and its version as the title does, counts
// the skills read and the lines dropped, and points to vexacheck for them.
TEST_F(ProgramTest, AboutBoxShowsVersionSkillsAndDroppedLines) {
  Start("broken Name x 1 - -\r\nshort\r\n");
  int skills = 0;
  for (int list = 0; list < 49; ++list) skills += static_cast<int>(database.skillList(list).size());
  PostMessageA(main, WM_SYSCOMMAND, kAbout, 0);
  HWND box = WaitForOwnedDialog(main, kAboutCaption);
  ASSERT_NE(nullptr, box);
  EXPECT_EQ((std::vector<std::string>{kMainDialogCaption, "Version 2.2.2.1",
                                      kAboutSkillCount + std::to_string(skills),
                                      std::string(kAboutDroppedLines) + "2", kAboutDroppedHint}),
            StaticTexts(box));
  Answer(box, IDOK);
  WaitUntilClosed(box);
  EXPECT_FALSE(IsWindow(box));
}

// Each shortcut runs its command once, from the main window's queue, and the window it opens closes
// by its keys: the overview with Esc or Enter, the file dialogs with Esc, the refused paste's box
// with Enter. A pasted plan enables the attribute boxes as its own job does; the keys still work
// after an undo disabled the focused attribute box.
TEST_F(ProgramTest, ShortcutKeysRunOnceAndTheirWindowsCloseByKey) {
  Start();
  Click(IDC_TYPE_SHEEP);
  Keys({VK_CONTROL, 'C'});  // the sheep's basic job
  ASSERT_TRUE(WaitUntil([] { return ClipboardData<char>(CF_TEXT).rfind("job ", 0) == 0; }));
  const std::wstring sheep = ClipboardData<wchar_t>(CF_UNICODETEXT);
  auto opensOnce = [&](std::initializer_list<WORD> keys, const std::string& caption, WORD closer) {
    Keys(keys);
    HWND window = WaitForOwnedDialog(main, caption);
    ASSERT_NE(nullptr, window) << caption;
    Sleep(300);  // time for more, had the key run its command again
    EXPECT_EQ(1, Shown(caption)) << caption;
    Keys({closer}, window);
    WaitUntilClosed(window);
    EXPECT_EQ(0, Shown(caption)) << caption;
  };
  opensOnce({VK_CONTROL, 'I'}, kOverviewCaption, VK_ESCAPE);
  opensOnce({VK_CONTROL, 'I'}, kOverviewCaption, VK_RETURN);
  opensOnce({VK_CONTROL, 'O'}, kPlanFileOpenTitle, VK_ESCAPE);
  opensOnce({VK_CONTROL, 'S'}, kPlanFileSaveTitle, VK_ESCAPE);
  PutClipboardText(L"no plan");
  opensOnce({VK_CONTROL, 'V'}, kErrorCaption, VK_RETURN);

  auto checked = [this](int id) {
    return SendMessageA(Control(id), BM_GETCHECK, 0, 0) == BST_CHECKED;
  };
  Click(IDC_TYPE_DRAGON);
  Click(IDC_JOB_RANK1);
  PutClipboardText(sheep);
  Keys({VK_CONTROL, 'V'});
  ASSERT_TRUE(WaitUntil([&] { return checked(IDC_TYPE_SHEEP) && checked(IDC_JOB_BASIC); }));
  for (int id = IDC_ATTRIBUTE_FIRST; id <= IDC_ATTRIBUTE_DARK; ++id)
    EXPECT_FALSE(IsWindowEnabled(Control(id))) << id;

  Click(IDC_JOB_RANK1);
  HWND wind = Control(IDC_ATTRIBUTE_WIND);
  MouseClick(wind);
  ASSERT_TRUE(
      WaitUntil([&] { return ProgramThread().hwndFocus == wind && checked(IDC_ATTRIBUTE_WIND); }));
  Keys({VK_CONTROL, 'Z'});
  Keys({VK_CONTROL, 'Z'});
  ASSERT_TRUE(WaitUntil([&] { return checked(IDC_JOB_BASIC) && !IsWindowEnabled(wind); }));
  HWND focus = ProgramThread().hwndFocus;
  EXPECT_TRUE(focus && IsWindowEnabled(focus) && IsWindowVisible(focus));
  Keys({VK_CONTROL, 'Y'});
  Keys({VK_CONTROL, 'Y'});
  EXPECT_TRUE(WaitUntil([&] { return checked(IDC_JOB_RANK1) && checked(IDC_ATTRIBUTE_WIND); }));
}

// Ctrl+G copies the plan's picture. Saved, it decodes to the copy's pixels;
// the save dialog offers "<type>_<job>.png", at first in the plan folder, then
// where the last picture went. A save that fails says so and leaves the file
// there whole.
TEST_F(ProgramTest, PicturesAreSavedAsCopiedWhereTheLastOneWent) {
  Start();
  ASSERT_NO_FATAL_FAILURE(ChooseDarkDragonWithLevels());
  PutClipboardText(L"before");
  Keys({VK_CONTROL, 'G'});
  ASSERT_TRUE(WaitUntil([] { return IsClipboardFormatAvailable(CF_DIB) != FALSE; }));
  const std::unique_ptr<Canvas> copied = DibCanvas(ClipboardBytes(CF_DIB));
  ASSERT_TRUE(copied);
  std::string type, job;
  database.typeName(3, type);
  database.jobName(3, 4, job);
  const std::string name = type + "_" + job + ".png";
  std::filesystem::create_directories(PlanFile("pictures"));
  auto saveAs = [&](const std::string& typed) {
    PostMessageA(main, WM_SYSCOMMAND, kSavePicture, 0);
    HWND dialog = WaitForOwnedDialog(main, kPictureSaveTitle);
    HWND nameBox = GetDlgItem(dialog, 0x47C);  // the name combo box
    char shown[MAX_PATH] = {};  // another process's control: its text only through the message
    SendMessageA(nameBox, WM_GETTEXT, sizeof shown, reinterpret_cast<LPARAM>(shown));
    EXPECT_EQ(name, shown);
    if (!typed.empty())
      SendMessageA(nameBox, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(typed.c_str()));
    Answer(dialog, IDOK);
    return dialog;
  };
  auto savedAsCopied = [&](const std::string& file) {
    const std::unique_ptr<Canvas> saved = PngCanvas(Bytes(PlanFile(file)));
    return saved && SamePixels(*saved, *copied);
  };
  WaitUntilClosed(saveAs("pictures\\first"));
  EXPECT_TRUE(savedAsCopied("pictures\\first.png"));
  WaitUntilClosed(saveAs(""));
  EXPECT_TRUE(savedAsCopied("pictures\\" + name));

  const std::string kept = Bytes(PlanFile("pictures\\first.png"));
  std::filesystem::create_directory(PlanFile("pictures\\first.png.tmp"));
  HWND replace = WaitForOwnedDialog(saveAs("first.png"), "");
  ASSERT_NE(nullptr, replace);
  Answer(replace, IDYES);
  EXPECT_EQ(std::vector<std::string>{kPictureSaveError}, TakeErrorBox());
  EXPECT_EQ(kept, Bytes(PlanFile("pictures\\first.png")));
}

// A plan of more than 2,000 learnt rows makes no picture: a box says it is
// too large, the clipboard keeps what it held and no save dialog opens.
TEST_F(ProgramTest, PlansTooLargeForAPictureAreRefused) {
  std::string rows, plan = "job 112\r\n";
  for (int row = 0; row < 2001; ++row) {
    rows += "big" + std::to_string(row) + " n 1 1 - -\r\n";
    plan += "skill big" + std::to_string(row) + " 1\r\n";
  }
  Start(std::string("[") + kDataSectionAttackBasic + "]\r\n" + rows);
  PutClipboardText(Widened(plan));
  SysCommand(kPaste);
  ASSERT_GT(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0), 2000);
  for (UINT command : {kCopyPicture, kSavePicture}) {
    PostMessageA(main, WM_SYSCOMMAND, command, 0);
    EXPECT_EQ(std::vector<std::string>{kPictureTooLarge}, TakeErrorBox()) << command;
  }
  EXPECT_EQ(Widened(plan), ClipboardData<wchar_t>(CF_UNICODETEXT));
  EXPECT_FALSE(IsClipboardFormatAvailable(CF_DIB));
  EXPECT_EQ(0, Shown(kPictureSaveTitle));
}

// Named on the command line, a device whose read waits for ever, a FIFO in the
// working directory whose writer never comes and an endless device are each
// refused at once with the load error box, over the main window already on
// the screen; the program goes on as after any failed load.
TEST_F(ProgramTest, CommandLineDevicesAndPipesAreRefusedOverTheShownWindow) {
  ASSERT_NO_FATAL_FAILURE(LoadData());
  // Made by the CTest fixture program_fifo: no Windows call makes a FIFO, and Wine deletes none.
  const std::string fifoFolder = VariantPath("fifo");
  WIN32_FIND_DATAA found{};
  const HANDLE search = FindFirstFileA((fifoFolder + "\\pipe.vx3").c_str(), &found);
  ASSERT_NE(INVALID_HANDLE_VALUE, search) << "run through ctest";
  FindClose(search);
  for (const char* name : {"AUX", "pipe.vx3", "Z:\\dev\\zero"}) {
    End();
    ASSERT_NO_FATAL_FAILURE(Launch(std::string(" ") + name, fifoFolder));
    HWND box = WaitForWindow([](HWND window) { return TextOf(window) == kErrorCaption; });
    ASSERT_NE(nullptr, box) << name;
    HWND owner = GetWindow(box, GW_OWNER);
    EXPECT_TRUE(IsWindowVisible(owner)) << name;
    ASSERT_NO_FATAL_FAILURE(FindMainWindow());
    EXPECT_EQ(main, owner) << name;
    EXPECT_EQ(std::vector<std::string>{kPlanFileLoadError}, TakeErrorBox()) << name;
    EXPECT_EQ(0, SendMessageA(list, LVM_GETITEMCOUNT, 0, 0)) << name;
    Click(IDC_TYPE_BUNNY);
    ASSERT_TRUE(database.BuildPlan(0x112));
    Step(0, Up);
    ExpectShowsExpectedPlan();
  }
}
