// The real PellgrovePlanner.exe with the recording plug-in, started from a
// scratch folder laid out as a user has it and driven from this process
// through its windows: buttons clicked, file dialogs filled in, step cells
// pressed. The test's own database replays the same steps as the expected plan.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>
#include <tlhelp32.h>

#include <JapaneseText.h>

#include <cstring>
#include <functional>
#include <initializer_list>
#include <iterator>
#include <memory>

#include "TestSupport.h"
#include "app/ErrorCaption.h"
#include "plan/GameDatabase.h"
#include "res/ControlIds.h"
#include "res/DialogIds.h"
#include "skilllist/ColumnTable.h"

namespace {

constexpr DWORD kPatience = 20000;  // milliseconds

// The texts of a message box's static controls (its icon has none).
std::vector<std::string> StaticTexts(HWND box) {
  std::vector<std::string> texts;
  for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
    if (ClassOf(child) == "Static" && !TextOf(child).empty()) texts.push_back(TextOf(child));
  return texts;
}

class ProgramTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::copy_file(VariantPath(PELL_PROGRAM), folder.File("PellgrovePlanner.exe"));
    folder.AddPlugin(VariantPath(PELL_VEXACHAR_RECORDING));
  }
  // A program still running may be asking to save its plan: it is ended.
  void TearDown() override {
    if (!process.hProcess) return;
    TerminateProcess(process.hProcess, 99);
    WaitForSingleObject(process.hProcess, kPatience);
    CloseHandle(process.hProcess);
  }

  // The arguments follow the program's quoted path; the working directory is
  // the program's folder unless another is given.
  void Launch(const std::string& arguments = "", const std::string& workingDirectory = "") {
    std::string commandLine = "\"" + folder.File("PellgrovePlanner.exe") + "\"" + arguments;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    const std::string directory = workingDirectory.empty() ? folder.Folder() : workingDirectory;
    ASSERT_TRUE(CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                               directory.c_str(), &startup, &process));
    CloseHandle(process.hThread);
  }
  // Starts the program on the shipped data and any lines after it, which the
  // expected plan reads too.
  void Start(const std::string& addedLines = "") {
    ASSERT_NO_FATAL_FAILURE(LoadData(addedLines));
    ASSERT_NO_FATAL_FAILURE(Launch());
    ASSERT_NO_FATAL_FAILURE(FindMainWindow());
  }
  void LoadData(const std::string& addedLines = "") {
    std::filesystem::copy_file(VariantPath(PELL_SHIPPED_DATA), folder.File("vexa.dat"));
    std::ofstream(folder.File("vexa.dat"), std::ios::binary | std::ios::app) << addedLines;
    char previous[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, previous);
    SetCurrentDirectoryA(folder.Folder().c_str());
    ASSERT_TRUE(database.load());
    SetCurrentDirectoryA(previous);
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
    for (DWORD waited = 0; waited < kPatience; waited += 50) {
      for (HWND window : VisibleWindows())
        if (wanted(window)) return window;
      Sleep(50);
    }
    return nullptr;
  }
  HWND WaitForOwnedDialog(HWND owner, const std::string& caption) const {
    return WaitForWindow([&](HWND window) {
      return ClassOf(window) == "#32770" && GetWindow(window, GW_OWNER) == owner &&
             (caption.empty() || TextOf(window) == caption);
    });
  }

  HWND Control(int id) const { return GetDlgItem(main, id); }
  // Returns once the program has handled the click.
  void Click(int id) const { SendMessageA(Control(id), BM_CLICK, 0, 0); }
  // For a click that opens a modal window, which the test must then drive.
  void PostClick(int id) const { PostMessageA(Control(id), BM_CLICK, 0, 0); }
  std::string Total() const { return TextOf(Control(IDC_TOTAL_LABEL)); }
  // The ids of the checked type, job and attribute controls.
  std::vector<int> CheckedIds() const {
    std::vector<int> checked;
    for (int id = IDC_TYPE_FIRST; id <= IDC_ATTRIBUTE_DARK; ++id)
      if (SendMessageA(Control(id), BM_GETCHECK, 0, 0) == BST_CHECKED) checked.push_back(id);
    return checked;
  }

  // Returns once the window is gone and the program has handled what came before.
  void WaitUntilClosed(HWND window) const {
    for (DWORD waited = 0; waited < kPatience && IsWindow(window) && IsWindowVisible(window);
         waited += 20)
      Sleep(20);
    SendMessageA(main, WM_NULL, 0, 0);
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

  // The program ended, the same program started afresh.
  void Restart() {
    TerminateProcess(process.hProcess, 99);
    WaitForSingleObject(process.hProcess, kPatience);
    CloseHandle(process.hProcess);
    process = PROCESS_INFORMATION{};
    ASSERT_NO_FATAL_FAILURE(Launch());
    ASSERT_NO_FATAL_FAILURE(FindMainWindow());
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
  // Both return once the program has handled them (the press with its
  // immediate step, the release with its worker stopped). The pointer is put
  // on the pressed point first, so that no real mouse move ends the press.
  void Press(POINT point) const {
    POINT screen = point;
    ClientToScreen(list, &screen);
    SetCursorPos(screen.x, screen.y);
    SendMessageA(list, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(point.x, point.y));
  }
  void Release(POINT point) const {
    SendMessageA(list, WM_LBUTTONUP, 0, MAKELPARAM(point.x, point.y));
  }
  // A step cell clicked in the program and the same step in the expected plan.
  void Step(int row, LevelOp op) {
    Press(CellPoint(row, kColumnFirstStep + op));
    Release(CellPoint(row, kColumnFirstStep + op));
    ChangeList changes;
    database.StepRowLevel(row, op, changes);
  }
  // The list's levels and the total against the expected plan.
  void ExpectShowsExpectedPlan() const {
    ASSERT_EQ(database.RowCount(), SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
    SkillEntry entry;
    for (int row = 0; row < database.RowCount(); ++row) {
      database.CopyRowEntry(row, entry);
      EXPECT_EQ(entry.IsMastered() ? "Master!" : std::to_string(entry.level), LevelText(row))
          << row;
    }
    EXPECT_EQ(std::to_string(database.TotalPoints()), Total());
  }

  // Real key input to the program's focused control: each key of the chord
  // pressed in order, then released in reverse.
  void Keys(std::initializer_list<WORD> chord, HWND target = nullptr) const {
    SetForegroundWindow(target ? target : main);
    std::vector<INPUT> inputs;
    for (WORD key : chord) inputs.push_back(KeyInput(key, 0));
    for (auto key = std::rbegin(chord); key != std::rend(chord); ++key)
      inputs.push_back(KeyInput(*key, KEYEVENTF_KEYUP));
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
  }
  static INPUT KeyInput(WORD key, DWORD flags) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.dwFlags = flags;
    return input;
  }
  // Input arrives after the messages already queued: wait until it shows.
  static bool WaitUntil(const std::function<bool()>& shown) {
    for (DWORD waited = 0; waited < kPatience; waited += 20) {
      if (shown()) return true;
      Sleep(20);
    }
    return false;
  }
  // The dragon at rank 2 (S2) with a mastered and a raised skill, in the
  // program and in the expected plan.
  void ChooseDarkDragonWithLevels() {
    Click(IDC_TYPE_DRAGON);
    Click(IDC_JOB_RANK2S);
    Click(IDC_ATTRIBUTE_DARK);
    ASSERT_TRUE(database.BuildPlan(0x412321));
    Step(0, Max);
    Step(3, Up);
  }
  bool ShowsExpectedTotal() const { return Total() == std::to_string(database.TotalPoints()); }
  void SysCommand(UINT id) const { SendMessageA(main, WM_SYSCOMMAND, id, 0); }

  // The table as the lists show it: the title list's texts, each row above
  // level 0 with its block's job label, then the total.
  std::string ShownTable() const {
    auto line = [this](HWND view, int row, const std::string& job) {
      std::string text = job;
      for (int column = kColumnSkillName; column < kColumnFirstStep; ++column)
        text += "\t" + CellText(view, row, column);
      return text + "\r\n";
    };
    HWND titles = Control(IDC_HEADER_LIST);
    std::string table = line(titles, 0, CellText(titles, 0, kColumnJob)), label;
    for (int row = 0; row < database.RowCount(); ++row) {
      const std::string job = CellText(list, row, kColumnJob);
      if (!job.empty()) label = job;
      if (LevelText(row) != "0") table += line(list, row, label);
    }
    return table + kTableTotalTitle + "\t" + Total() + "\r\n";
  }

  static constexpr int kRemoteSize = 4096;
  AppScratchFolder folder;
  GameDatabase database;
  PROCESS_INFORMATION process{};
  HWND main = nullptr, list = nullptr;
  char* remote = nullptr;
};

std::wstring Widened(const std::string& text) {
  std::wstring wide(text.size(), L'\0');
  wide.resize(MultiByteToWideChar(932, 0, text.data(), static_cast<int>(text.size()), &wide[0],
                                  static_cast<int>(wide.size())));
  return wide;
}

// Text as a chat program puts it on the clipboard: Unicode only.
void PutClipboardText(const std::string& text) {
  HWND owner = CreateWindowA("STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
  ASSERT_TRUE(OpenClipboard(owner));
  EmptyClipboard();
  const std::wstring wide = Widened(text);
  const std::size_t size = (wide.size() + 1) * sizeof(wchar_t);
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, size);
  std::memcpy(GlobalLock(memory), wide.c_str(), size);
  GlobalUnlock(memory);
  EXPECT_NE(nullptr, SetClipboardData(CF_UNICODETEXT, memory));
  CloseClipboard();
  DestroyWindow(owner);
}

// What the clipboard holds in a format, up to the first NUL.
template <typename Char>
std::basic_string<Char> ClipboardData(UINT format) {
  std::basic_string<Char> data;
  if (!OpenClipboard(nullptr)) return data;
  HANDLE handle = GetClipboardData(format);
  if (const auto* begin = handle ? static_cast<const Char*>(GlobalLock(handle)) : nullptr) {
    data.assign(begin, GlobalSize(handle) / sizeof(Char));
    GlobalUnlock(handle);
  }
  CloseClipboard();
  return data.substr(0, data.find(Char{}));
}

std::string RowKey(const GameDatabase& plan, int row) {
  SkillEntry entry;
  plan.CopyRowEntry(row, entry);
  return entry.key;
}

}  // namespace

TEST_F(ProgramTest, WithoutDataFileOneMessageBoxAndExitCodeZero) {
  Launch();
  HWND box = WaitForWindow([](HWND window) { return ClassOf(window) == "#32770"; });
  ASSERT_NE(nullptr, box);
  EXPECT_EQ("ERROR: Pellgrove+ Skill Simulator", TextOf(box));
  EXPECT_EQ(std::vector<std::string>{kStartupDataFileError}, StaticTexts(box));
  EXPECT_EQ(std::vector<HWND>{box}, VisibleWindows());
  EXPECT_EQ(nullptr, GetWindow(box, GW_OWNER));
  // The plug-in is loaded, but none of its entry points is called.
  HANDLE modules = CreateToolhelp32Snapshot(TH32CS_SNAPMODULE, process.dwProcessId);
  MODULEENTRY32 module{};
  module.dwSize = sizeof module;
  bool loaded = false;
  for (BOOL more = Module32First(modules, &module); more; more = Module32Next(modules, &module))
    loaded = loaded || lstrcmpiA(module.szModule, "VexaChar.dll") == 0;
  CloseHandle(modules);
  EXPECT_TRUE(loaded);
  PostMessageA(box, WM_COMMAND, IDOK, 0);
  EXPECT_EQ(0u, WaitForExit());
  EXPECT_FALSE(std::filesystem::exists(folder.File("VexaChar.log")));
}

// A whole run: the dragon at rank 2 (S2) saved under a name without
// extension (the dialog adds ".vx3"), another type chosen, the file loaded
// back, the program closed; the plug-in told every step.
TEST_F(ProgramTest, SavedPlanComesBackThroughTheFileDialogs) {
  Start();
  EXPECT_EQ(std::string(kMainDialogCaption) + " - Version 2.2.2.1", TextOf(main));
  ASSERT_NO_FATAL_FAILURE(ChooseDarkDragonWithLevels());
  ASSERT_NE("0", Total());
  PostClick(IDC_SAVE_BUTTON);
  WaitUntilClosed(ChooseFile(kPlanFileSaveTitle, "plan"));
  ASSERT_TRUE(database.SavePlan(folder.File("expected.vx3").c_str()));
  const std::string saved = Bytes(PlanFile("plan.vx3"));
  EXPECT_EQ(Bytes(folder.File("expected.vx3")), saved);
  EXPECT_EQ(0u, saved.find("job 412321\r\nskill "));

  Click(IDC_TYPE_BUNNY);
  EXPECT_EQ("0", Total());
  PostClick(IDC_LOAD_BUTTON);
  WaitUntilClosed(ChooseFile(kPlanFileOpenTitle, "plan.vx3"));
  EXPECT_EQ(
      (std::vector<int>{IDC_TYPE_DRAGON, IDC_JOB_RANK2S, IDC_ATTRIBUTE_WATER, IDC_ATTRIBUTE_DARK}),
      CheckedIds());
  std::string darkJob;
  database.jobName(3, 4, darkJob);
  EXPECT_EQ(darkJob, TextOf(Control(IDC_JOB_RANK2S)));
  ExpectShowsExpectedPlan();

  PostMessageA(main, WM_CLOSE, 0, 0);
  ASSERT_EQ(0u, WaitForExit());
  const std::vector<std::string> lines = folder.ReadLines("VexaChar.log");
  ASSERT_FALSE(lines.empty());
  EXPECT_EQ("VexaChar_GetWnd()", lines.front());  // no window yet: nothing told
  std::vector<std::string> calls = CallsBesidesGetWnd(lines);
  ASSERT_GE(calls.size(), 2u);
  EXPECT_EQ("VexaChar_Initialize(" + LoggedHandle(main) + ")", calls[0]);
  EXPECT_EQ(0u, calls[1].rfind("VexaChar_Create(", 0));
  EXPECT_NE(std::string::npos, calls[1].find(", 0)"));
  EXPECT_EQ(
      (std::vector<std::string>{"VexaChar_SetChar(3, 0)", "VexaChar_SetRank(0, 1)",  // dragon
                                "VexaChar_SetChar(3, 0)", "VexaChar_SetRank(3, 1)",  // rank 2 (S)
                                "VexaChar_SetChar(3, 0)", "VexaChar_SetRank(4, 1)",  // dark
                                "VexaChar_SetChar(0, 0)", "VexaChar_SetRank(3, 1)",  // bunny
                                "VexaChar_SetChar(3, 0)", "VexaChar_SetRank(4, 1)",  // loaded
                                "VexaChar_Delete()", "VexaChar_Terminate()"}),
      std::vector<std::string>(calls.begin() + 2, calls.end()));
}

// Failed commands: a save before any plan shows no dialog; the load makes the
// folder before the user chooses, even if he cancels; a save that fails says
// so and keeps the file there; a load that fails while reading changes
// nothing, one that fails after rebuilding the plan has the window follow it.
TEST_F(ProgramTest, FailedCommandsReportAndShowThePlanAsItIs) {
  Start();
  DWORD_PTR ignored = 0;
  ASSERT_NE(0, SendMessageTimeoutA(Control(IDC_SAVE_BUTTON), BM_CLICK, 0, 0, SMTO_NORMAL, 5000,
                                   &ignored));
  EXPECT_FALSE(std::filesystem::exists(PlanFile("")));
  PostClick(IDC_LOAD_BUTTON);
  HWND dialog = WaitForOwnedDialog(main, kPlanFileOpenTitle);
  ASSERT_NE(nullptr, dialog);
  EXPECT_TRUE(std::filesystem::is_directory(PlanFile("")));
  Answer(dialog, IDCANCEL);
  WaitUntilClosed(dialog);
  EXPECT_EQ(0, SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));

  ASSERT_TRUE(database.BuildPlan(0x312));
  const std::string first = RowKey(database, 0), last = RowKey(database, database.RowCount() - 1);
  const std::string damaged[] = {"job 312\r\nskill " + first + " 1\r\n\r\nskill " + last + " 1\r\n",
                                 "job 30\r\n"};
  std::ofstream(PlanFile("0.vx3"), std::ios::binary) << damaged[0];
  std::ofstream(PlanFile("1.vx3"), std::ios::binary) << damaged[1];
  // Records apply from the last up, so the one after the unknown key is in.
  std::ofstream(PlanFile("unknown.vx3"), std::ios::binary)
      << "job 312\r\nskill no-such-skill 1\r\nskill " + last + " 11\r\n";

  Click(IDC_TYPE_DRAGON);
  Click(IDC_JOB_RANK2H);
  ASSERT_TRUE(database.BuildPlan(0x211321));
  Step(1, Max);
  PostClick(IDC_SAVE_BUTTON);
  WaitUntilClosed(ChooseFile(kPlanFileSaveTitle, "kept"));
  const std::string kept = Bytes(PlanFile("kept.vx3"));
  ASSERT_EQ(0u, kept.find("job 211321\r\n"));
  // The save's scratch file cannot be made: the save fails after the user
  // agreed to replace the file.
  Step(0, Max);
  std::filesystem::create_directory(PlanFile("kept.vx3.tmp"));
  PostClick(IDC_SAVE_BUTTON);
  HWND replace = WaitForOwnedDialog(ChooseFile(kPlanFileSaveTitle, "kept.vx3"), "");
  ASSERT_NE(nullptr, replace);
  Answer(replace, IDYES);
  EXPECT_EQ(std::vector<std::string>{kPlanFileSaveError}, TakeErrorBox());
  EXPECT_EQ(kept, Bytes(PlanFile("kept.vx3")));
  ExpectShowsExpectedPlan();

  const std::vector<int> checked = CheckedIds();
  const std::string dragonJob = TextOf(Control(IDC_JOB_RANK2H));
  for (const char* name : {"0.vx3", "1.vx3"}) {
    PostClick(IDC_LOAD_BUTTON);
    ChooseFile(kPlanFileOpenTitle, name);
    EXPECT_EQ(std::vector<std::string>{kPlanFileLoadError}, TakeErrorBox()) << name;
    EXPECT_EQ(checked, CheckedIds()) << name;
    EXPECT_EQ(dragonJob, TextOf(Control(IDC_JOB_RANK2H)));
    ExpectShowsExpectedPlan();
  }
  PostClick(IDC_LOAD_BUTTON);
  ChooseFile(kPlanFileOpenTitle, "unknown.vx3");
  EXPECT_EQ(std::vector<std::string>{kPlanFileLoadError}, TakeErrorBox());
  ASSERT_TRUE(database.BuildPlan(0x312));
  ChangeList changes;
  database.StepLevel(last, Max, changes);
  EXPECT_EQ(
      (std::vector<int>{IDC_TYPE_BUNNY, IDC_JOB_RANK1, IDC_ATTRIBUTE_WATER, IDC_ATTRIBUTE_LIGHT}),
      CheckedIds());
  ExpectShowsExpectedPlan();
  EXPECT_NE("0", Total());
}

// Presses sent to the list as the mouse would; levels and total read back.
TEST_F(ProgramTest, StepCellsStepRepeatAndEndAsTheMouseDoes) {
  Start();
  Click(IDC_TYPE_BUNNY);
  Click(IDC_JOB_RANK1);
  ASSERT_TRUE(database.BuildPlan(0x312));
  // Rows of the shapes the presses need: a masterable one with a
  // prerequisite, two masterable ones and a one-level one without any.
  int dependent = -1, prerequisite = -1, single = -1;
  std::vector<int> free;
  SkillEntry entry;
  for (int row = 0; row < database.RowCount() && dependent < 0; ++row) {
    database.CopyRowEntry(row, entry);
    if (entry.masterPoints > 0 && !entry.prerequisites.empty()) {
      dependent = row;
      prerequisite = database.FindEntry(entry.prerequisites.front().key).rowId;
    }
  }
  for (int row = 0; row < database.RowCount(); ++row) {
    database.CopyRowEntry(row, entry);
    if (row == prerequisite || !entry.prerequisites.empty()) continue;
    if (entry.masterPoints > 0 && free.size() < 2) free.push_back(row);
    if (entry.masterPoints == 0 && single < 0) single = row;
  }
  ASSERT_GE(prerequisite, 0);
  ASSERT_EQ(2u, free.size());
  ASSERT_GE(single, 0);

  // ">" from 0 raises the skill and what it requires, and the total follows.
  Step(dependent, Up);
  EXPECT_EQ("1", LevelText(dependent));
  EXPECT_NE("0", LevelText(prerequisite));
  ExpectShowsExpectedPlan();

  // Held ">": the immediate step, then one every 300 ms, and none after the release.
  POINT up = CellPoint(free[0], kColumnFirstStep + Up);
  const DWORD pressed = GetTickCount();
  Press(up);
  // A little over a second, so a busy machine still shows two repeats.
  Sleep(1300);
  Release(up);
  const DWORD held = GetTickCount() - pressed;
  const int level = std::stoi(LevelText(free[0]));
  EXPECT_GE(level, 3);
  EXPECT_LE(level, 1 + static_cast<int>(held / 300));
  Sleep(450);
  EXPECT_EQ(std::to_string(level), LevelText(free[0]));
  ChangeList changes;
  for (int step = 0; step < level; ++step) database.StepRowLevel(free[0], Up, changes);

  // Held at a one-level skill's maximum: it stays there.
  up = CellPoint(single, kColumnFirstStep + Up);
  Press(up);
  Sleep(700);
  Release(up);
  database.StepRowLevel(single, Up, changes);
  EXPECT_EQ("Master!", LevelText(single));
  ExpectShowsExpectedPlan();

  // "<" on the prerequisite clears the skill that needs more of it.
  Step(prerequisite, Down);
  EXPECT_EQ("0", LevelText(dependent));
  ExpectShowsExpectedPlan();

  // ">>" released away from its cell makes no step; released on it, it does.
  Press(CellPoint(dependent, kColumnFirstStep + Max));
  Release(CellPoint(free[0], kColumnSkillName));
  ExpectShowsExpectedPlan();
  Step(dependent, Max);
  EXPECT_EQ("Master!", LevelText(dependent));
  ExpectShowsExpectedPlan();

  // Losing the capture while ">" is held ends the repeat.
  up = CellPoint(free[1], kColumnFirstStep + Up);
  Press(up);
  Sleep(100);
  SendMessageA(list, WM_CANCELMODE, 0, 0);
  Sleep(800);
  EXPECT_EQ("1", LevelText(free[1]));
  Release(up);
  database.StepRowLevel(free[1], Up, changes);
  ExpectShowsExpectedPlan();

  // A command that arrives while ">" is held (as from the keyboard) ends the
  // press first: the load before its dialog opens, the reset before it resets.
  Press(up);
  PostMessageA(main, WM_COMMAND, IDC_LOAD_BUTTON,
               reinterpret_cast<LPARAM>(Control(IDC_LOAD_BUTTON)));
  HWND dialog = WaitForOwnedDialog(main, kPlanFileOpenTitle);
  ASSERT_NE(nullptr, dialog);
  Sleep(700);
  Answer(dialog, IDCANCEL);
  WaitUntilClosed(dialog);
  Release(up);
  EXPECT_EQ("2", LevelText(free[1]));
  Press(up);
  SendMessageA(main, WM_COMMAND, IDC_RESET_BUTTON,
               reinterpret_cast<LPARAM>(Control(IDC_RESET_BUTTON)));
  Sleep(700);
  Release(up);
  database.ResetLevels();
  ExpectShowsExpectedPlan();
}

// A type click wipes the levels; Ctrl+Z brings back every level and the
// controls, Ctrl+Y and Ctrl+Shift+Z go forward again, and the system menu's
// commands do the same as the keys.
TEST_F(ProgramTest, UndoAndRedoFromKeysAndSystemMenuBringBackPlanAndControls) {
  Start();
  Click(IDC_TYPE_DRAGON);
  Click(IDC_JOB_RANK2H);
  ASSERT_TRUE(database.BuildPlan(0x211321));
  Step(0, Max);
  Step(2, Up);
  const std::vector<int> dragon = CheckedIds();
  Click(IDC_TYPE_BUNNY);
  ASSERT_EQ("0", Total());
  const std::vector<int> bunny = CheckedIds();

  Keys({VK_CONTROL, 'Z'});
  ASSERT_TRUE(WaitUntil([&] { return ShowsExpectedTotal(); }));
  EXPECT_EQ(dragon, CheckedIds());
  ExpectShowsExpectedPlan();
  Keys({VK_CONTROL, 'Y'});
  ASSERT_TRUE(WaitUntil([&] { return Total() == "0"; }));
  EXPECT_EQ(bunny, CheckedIds());
  SysCommand(0x0100);
  EXPECT_EQ(dragon, CheckedIds());
  ExpectShowsExpectedPlan();
  Keys({VK_CONTROL, VK_SHIFT, 'Z'});
  ASSERT_TRUE(WaitUntil([&] { return Total() == "0"; }));
  SysCommand(0x0100);
  SysCommand(0x0100);  // back over the step of row 2
  ChangeList changes;
  database.StepRowLevel(2, Down, changes);
  ExpectShowsExpectedPlan();
}

// Closing a modified plan asks first: Cancel keeps the program, Yes saves
// (a cancelled save keeps it too) and ends, No ends without saving; a plan
// just saved ends at once.
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
  HWND box = askToClose();
  ASSERT_NE(nullptr, box);
  // Yes, No and Cancel, Yes the default button.
  EXPECT_EQ(BS_DEFPUSHBUTTON, GetWindowLongA(GetDlgItem(box, IDYES), GWL_STYLE) & BS_TYPEMASK);
  EXPECT_NE(nullptr, GetDlgItem(box, IDNO));
  Answer(box, IDCANCEL);
  WaitUntilClosed(box);
  ExpectShowsExpectedPlan();
  Answer(askToClose(), IDYES);
  HWND dialog = WaitForOwnedDialog(main, kPlanFileSaveTitle);
  ASSERT_NE(nullptr, dialog);
  Answer(dialog, IDCANCEL);
  WaitUntilClosed(dialog);
  EXPECT_EQ(STILL_ACTIVE, WaitForExit(200));
  Answer(askToClose(), IDYES);
  ChooseFile(kPlanFileSaveTitle, "closing");
  EXPECT_EQ(0u, WaitForExit());
  ASSERT_TRUE(database.SavePlan(folder.File("expected.vx3").c_str()));
  EXPECT_EQ(Bytes(folder.File("expected.vx3")), Bytes(PlanFile("closing.vx3")));

  // Started again: saved right away ends without a question; changed, No
  // ends without saving, the plug-in told to close as always.
  CloseHandle(process.hProcess);
  Launch();
  main = WaitForWindow([](HWND window) { return ClassOf(window) == "#32770"; });
  Click(IDC_TYPE_FOX);
  PostClick(IDC_SAVE_BUTTON);
  WaitUntilClosed(ChooseFile(kPlanFileSaveTitle, "fresh"));
  Keys({VK_ESCAPE});
  EXPECT_EQ(0u, WaitForExit());
  CloseHandle(process.hProcess);
  Launch();
  main = WaitForWindow([](HWND window) { return ClassOf(window) == "#32770"; });
  Click(IDC_TYPE_FOX);
  Answer(askToClose(), IDNO);
  EXPECT_EQ(0u, WaitForExit());
  EXPECT_FALSE(std::filesystem::exists(PlanFile("fresh.vx3.tmp")));
  const std::vector<std::string> calls = CallsBesidesGetWnd(folder.ReadLines("VexaChar.log"));
  EXPECT_EQ((std::vector<std::string>{"VexaChar_Delete()", "VexaChar_Terminate()"}),
            std::vector<std::string>(calls.end() - 2, calls.end()));
}

// The list is reached with the mouse or Tab; its cursor row moves with the
// arrow and page keys and is stepped with Right, Left, + and -, Shift for
// the ends, each key one undo step. The list's own selection stays empty.
TEST_F(ProgramTest, KeysMoveAndStepTheCursorRow) {
  Start();
  Click(IDC_TYPE_BUNNY);
  Click(IDC_JOB_RANK1);
  ASSERT_TRUE(database.BuildPlan(0x312));
  Step(0, Up);  // the press puts the cursor on row 0 and the focus in the list
  const struct {
    std::initializer_list<WORD> keys;
    int row;
    LevelOp op;
  } presses[] = {{{VK_DOWN}, 1, Up},
                 {{VK_RIGHT}, 1, Up},
                 {{VK_SHIFT, VK_RIGHT}, 1, Max},
                 {{VK_LEFT}, 1, Down},
                 {{VK_END}, -1, Up},
                 {{VK_ADD}, -1, Up},
                 {{VK_PRIOR}, -2, Up},
                 {{VK_SUBTRACT}, -2, Down},
                 {{VK_HOME}, 0, Up},
                 {{VK_SHIFT, VK_LEFT}, 0, Zero}};
  const int last = database.RowCount() - 1;
  const int page = static_cast<int>(SendMessageA(list, LVM_GETCOUNTPERPAGE, 0, 0));
  ChangeList changes;
  for (const auto& press : presses) {
    Keys(press.keys);
    if (press.op == Up && press.keys.size() == 1 && *press.keys.begin() != VK_RIGHT &&
        *press.keys.begin() != VK_ADD)
      continue;  // a move only
    const int row = press.row == -1 ? last : press.row == -2 ? last - page : press.row;
    database.StepRowLevel(row, press.op, changes);
    ASSERT_TRUE(WaitUntil([&] { return ShowsExpectedTotal(); })) << row;
  }
  ExpectShowsExpectedPlan();
  EXPECT_EQ(0, SendMessageA(list, LVM_GETSELECTEDCOUNT, 0, 0));
  EXPECT_EQ(-1, SendMessageA(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED));
  SysCommand(0x0100);  // the last key press alone
  database.Undo();
  ExpectShowsExpectedPlan();
}

// Ctrl+C puts the bytes a save writes, the table command what the lists show,
// both in Shift-JIS and Unicode with a Japanese locale. Text that would not
// load whole is refused with the error box and changes nothing, not even the
// undo steps. Pasted with Ctrl+V into a fresh start, where Ctrl+C without a
// plan does nothing, the copy is the same plan.
TEST_F(ProgramTest, PlansTravelThroughTheClipboard) {
  Start();
  ASSERT_NO_FATAL_FAILURE(ChooseDarkDragonWithLevels());
  // The lowest visible row without a label of its own, far from its block's first.
  int unlabelled = static_cast<int>(SendMessageA(list, LVM_GETCOUNTPERPAGE, 0, 0)) - 1;
  while (unlabelled > 3 && !CellText(list, unlabelled, kColumnJob).empty()) --unlabelled;
  Step(unlabelled, Up);
  ASSERT_TRUE(database.SavePlan(folder.File("expected.vx3").c_str()));
  const std::string plan = Bytes(folder.File("expected.vx3"));
  const std::vector<int> checked = CheckedIds();

  PutClipboardText("before");
  Keys({VK_CONTROL, 'C'});
  ASSERT_TRUE(WaitUntil([&] { return ClipboardData<char>(CF_TEXT) == plan; }));
  EXPECT_EQ(Widened(plan), ClipboardData<wchar_t>(CF_UNICODETEXT));
  const std::string locale = ClipboardData<char>(CF_LOCALE);
  EXPECT_EQ(std::string("\x11\x04", 2), locale.substr(0, 2));
  SysCommand(0x0130);
  const std::string table = ClipboardData<char>(CF_TEXT);
  EXPECT_EQ(ShownTable(), table);
  EXPECT_EQ(Widened(table), ClipboardData<wchar_t>(CF_UNICODETEXT));

  const std::string refused[] = {"job 412321\r\nskill no-such-skill 1\r\n",
                                 "job 412321\r\n" + std::string(GameDatabase::kPasteLimit, ' ')};
  for (const std::string& text : refused) {
    PutClipboardText(text);
    PostMessageA(main, WM_SYSCOMMAND, 0x0140, 0);
    EXPECT_EQ(std::vector<std::string>{kPasteRefused}, TakeErrorBox());
    EXPECT_EQ(checked, CheckedIds());
    ExpectShowsExpectedPlan();
  }
  SysCommand(0x0100);  // still the last step first
  ASSERT_TRUE(database.Undo());
  ExpectShowsExpectedPlan();
  SysCommand(0x0110);
  ASSERT_TRUE(database.Redo());
  Keys({VK_CONTROL, 'C'});
  ASSERT_TRUE(WaitUntil([&] { return ClipboardData<char>(CF_TEXT) == plan; }));

  ASSERT_NO_FATAL_FAILURE(Restart());
  Keys({VK_CONTROL, 'C'});
  Keys({VK_CONTROL, 'V'});
  ASSERT_TRUE(WaitUntil([&] { return ShowsExpectedTotal(); }));
  EXPECT_EQ(checked, CheckedIds());
  ExpectShowsExpectedPlan();
}

// Explorer opens a plan with the program by naming it, quoted, on the command
// line, and makes the plan's folder the working directory: the data file
// beside the program serves, the plan opens once the window is up and the
// plug-in is told. Further arguments are ignored.
TEST_F(ProgramTest, APlanNamedOnTheCommandLineOpensFromItsOwnFolder) {
  ASSERT_NO_FATAL_FAILURE(LoadData());
  const std::string plans = folder.File("my plans");
  std::filesystem::create_directory(plans);
  const std::string path = plans + "\\" + kPlanTestFileName;
  ASSERT_TRUE(database.BuildPlan(0x412321));
  ChangeList changes;
  database.StepRowLevel(0, Max, changes);
  database.StepRowLevel(3, Up, changes);
  ASSERT_TRUE(database.SavePlan(path.c_str()));
  ASSERT_NO_FATAL_FAILURE(Launch(" \"" + path + "\" other.vx3", plans));
  ASSERT_NO_FATAL_FAILURE(FindMainWindow());
  ASSERT_TRUE(WaitUntil([&] { return ShowsExpectedTotal(); }));
  EXPECT_EQ(
      (std::vector<int>{IDC_TYPE_DRAGON, IDC_JOB_RANK2S, IDC_ATTRIBUTE_WATER, IDC_ATTRIBUTE_DARK}),
      CheckedIds());
  ExpectShowsExpectedPlan();

  PostMessageA(main, WM_CLOSE, 0, 0);  // as loaded: no question
  ASSERT_EQ(0u, WaitForExit());
  const std::vector<std::string> calls = CallsBesidesGetWnd(folder.ReadLines("VexaChar.log"));
  ASSERT_GE(calls.size(), 4u);
  EXPECT_EQ((std::vector<std::string>{"VexaChar_SetChar(3, 0)", "VexaChar_SetRank(4, 1)",
                                      "VexaChar_Delete()", "VexaChar_Terminate()"}),
            std::vector<std::string>(calls.end() - 4, calls.end()));
}

namespace {

std::string DisplayName(const GameDatabase& plan, int row) {
  SkillEntry entry;
  plan.CopyRowEntry(row, entry);
  return entry.displayName;
}

std::string ItemName(const GameDatabase& plan, int row) {
  SkillEntry entry;
  plan.CopyRowEntry(row, entry);
  return entry.masterItemName;
}

// The clipboard's CF_TEXT bytes as they are, without conversion.
std::string ClipboardShiftJis() {
  std::string text;
  if (!OpenClipboard(nullptr)) return text;
  if (HANDLE data = GetClipboardData(CF_TEXT)) {
    if (const char* bytes = static_cast<const char*>(GlobalLock(data))) text = bytes;
    GlobalUnlock(data);
  }
  CloseClipboard();
  return text;
}

}  // namespace

// Bunny's basic job with 斬撃, 薙ぎ払い and 体力強化 mastered: the overview
// (Ctrl+I) shows the figures and the item list and copies both; Esc closes it.
TEST_F(ProgramTest, OverviewShowsAndCopiesRequiredLevelCountsAndMasterItems) {
  Start();
  Click(IDC_TYPE_BUNNY);
  ASSERT_TRUE(database.BuildPlan(0x112));
  for (int row : {5, 0, 2}) Step(row, Max);
  Keys({VK_CONTROL, 'I'});
  HWND dialog = WaitForOwnedDialog(main, kOverviewCaption);
  ASSERT_NE(nullptr, dialog);
  const std::string total = std::to_string(database.TotalPoints());
  const std::pair<const char*, std::string> figures[] = {{kOverviewRequiredLevel, "10"},
                                                         {kOverviewTotalPoints, total},
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
  const std::vector<std::vector<std::string>> items = {
      {ItemName(database, 0), "3",
       DisplayName(database, 0) + kNameSeparator + DisplayName(database, 5)},
      {ItemName(database, 2), "2", DisplayName(database, 2)}};
  HWND itemList = GetDlgItem(dialog, IDC_OVERVIEW_ITEMS);
  ASSERT_EQ(2, SendMessageA(itemList, LVM_GETITEMCOUNT, 0, 0));
  for (int row = 0; row < 2; ++row) {
    for (int column = 0; column < 3; ++column)
      EXPECT_EQ(items[row][column], CellText(itemList, row, column)) << row << "/" << column;
    expected += items[row][0] + "\t" + items[row][1] + "\t" + items[row][2] + "\r\n";
  }
  SendMessageA(GetDlgItem(dialog, IDC_OVERVIEW_COPY), BM_CLICK, 0, 0);
  EXPECT_EQ(expected, ClipboardShiftJis());
  Keys({VK_ESCAPE}, dialog);
  WaitUntilClosed(dialog);
  EXPECT_FALSE(IsWindow(dialog));
}

// Resting the mouse on a row shows what ties its skill to others and follows
// the row; the TM total shows the overview's level and counts.
TEST_F(ProgramTest, TipsShowPrerequisitesDependentsAndTheOverviewFigures) {
  Start();
  Click(IDC_TYPE_BUNNY);
  ASSERT_TRUE(database.BuildPlan(0x112));
  Step(5, Max);
  std::string previous;
  auto tipAt = [&](HWND window, POINT point) {
    POINT screen = point;
    ClientToScreen(window, &screen);
    SetCursorPos(screen.x, screen.y);
    PostMessageA(window, WM_MOUSEMOVE, 0, MAKELPARAM(point.x, point.y));
    std::string text;
    WaitUntil([&] {
      for (HWND shown : VisibleWindows()) {
        // GetWindowText reads no text of another process's window without a caption.
        char shownText[512] = {};
        if (ClassOf(shown) == TOOLTIPS_CLASSA)
          SendMessageA(shown, WM_GETTEXT, sizeof shownText, reinterpret_cast<LPARAM>(shownText));
        if (shownText[0]) text = shownText;
      }
      return !text.empty() && text != previous;
    });
    previous = text;
    return text;
  };
  const std::string lv = " Lv";
  EXPECT_EQ(kTipPrerequisites + DisplayName(database, 0) + lv + "5\r\n" + kTipDependents +
                DisplayName(database, 8),
            tipAt(list, CellPoint(5, kColumnSkillName)));
  const std::string ironskin = kTipPrerequisites + DisplayName(database, 1) + lv + "1" +
                               kNameSeparator + DisplayName(database, 2) + lv + "3";
  EXPECT_EQ(ironskin, tipAt(list, CellPoint(6, kColumnSkillName)));
  RECT label{};
  GetWindowRect(Control(IDC_TOTAL_LABEL), &label);
  POINT onTotal{(label.left + label.right) / 2, (label.top + label.bottom) / 2};
  ScreenToClient(main, &onTotal);
  EXPECT_EQ(std::string(kOverviewRequiredLevel) + ": 10\r\n" + kOverviewLearnt + ": 2 / 12\r\n" +
                kOverviewMastered + ": 1 / 12",
            tipAt(main, onTotal));
}

// The About box names the program and its version as the title does, counts
// the skills read and the lines dropped, and points to vexacheck for them.
TEST_F(ProgramTest, AboutBoxShowsVersionSkillsAndDroppedLines) {
  Start("broken Name x 1 - -\r\nshort\r\n");
  int skills = 0;
  for (int list = 0; list < 49; ++list) skills += static_cast<int>(database.skillList(list).size());
  PostMessageA(main, WM_SYSCOMMAND, 0x0160, 0);
  HWND box = WaitForOwnedDialog(main, "");
  ASSERT_NE(nullptr, box);
  EXPECT_EQ(kAboutCaption, TextOf(box));
  EXPECT_EQ((std::vector<std::string>{kMainDialogCaption, "Version 2.2.2.1",
                                      kAboutSkillCount + std::to_string(skills),
                                      std::string(kAboutDroppedLines) + "2", kAboutDroppedHint}),
            StaticTexts(box));
  Answer(box, IDOK);
  WaitUntilClosed(box);
  EXPECT_FALSE(IsWindow(box));
}
