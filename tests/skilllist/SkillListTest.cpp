// The lists hosted as the main window hosts them, over six skills: the cells on
// screen, what ends a press and what it leaves, the cursor row and the row tip.
#include <gtest/gtest.h>
#include <windows.h>

#include <winternl.h>

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "harness/ListHost.h"
#include "skilllist/ColumnTable.h"
#include "tests/core/PlanTestData.h"

namespace {

// Rows of the test plan (bunny's basic job).
constexpr int kRowSolo = 0;    // one-level, no master item, tied to no other skill
constexpr int kRowMaster = 1;  // masterable, Japanese name, three master items
constexpr int kRowOrb = 2;     // masterable, a master item with count 0
constexpr int kRowNeed = 3;    // one-level, requires kRowMaster at level 2
constexpr int kRowPlain = 4;   // masterable to 11, no master item
constexpr int kRowCount = 6;
constexpr int kUpColumn = kColumnFirstStep + Up, kMaxColumn = kColumnFirstStep + Max;
constexpr COLORREF kNormalGlyph = RGB(0, 0, 128), kPressedGlyph = RGB(255, 0, 0);

// Counts its tip's text requests and the text cells whose custom draw leaves drawing to the list.
class CountingSkillListView : public SkillListView {
 public:
  LRESULT WindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) override {
    tipRequests += msg == WM_NOTIFY && reinterpret_cast<NMHDR*>(lParam)->code == TTN_GETDISPINFOA;
    return SkillListView::WindowProc(window, msg, wParam, lParam);
  }
  LRESULT OnCustomDraw(NMLVCUSTOMDRAW& draw) override {
    const LRESULT answer = SkillListView::OnCustomDraw(draw);
    textCellsLeft += draw.nmcd.dwDrawStage == (CDDS_ITEMPREPAINT | CDDS_SUBITEM) &&
                     draw.iSubItem < kColumnFirstStep && answer != CDRF_SKIPDEFAULT;
    return answer;
  }
  int tipRequests = 0, textCellsLeft = 0;
};

// Threads and handles of this process, from the system's process list:
// GetProcessHandleCount answers 0 under Wine.
std::pair<int, int> ThreadsAndHandles() {
  std::vector<char> list(1 << 16);
  while (NtQuerySystemInformation(SystemProcessInformation, list.data(), list.size(), nullptr) ==
         static_cast<NTSTATUS>(0xC0000004L))  // the buffer is too small
    list.resize(2 * list.size());
  for (size_t at = 0, next = 1; next; at += next) {
    const auto& process = *reinterpret_cast<const SYSTEM_PROCESS_INFORMATION*>(&list[at]);
    if (HandleToULong(process.UniqueProcessId) == GetCurrentProcessId())
      return std::pair<int, int>(process.NumberOfThreads, process.HandleCount);
    next = process.NextEntryOffset;
  }
  return {-1, -1};
}

RECT CellRect(HWND list, int row, int column) {
  RECT cell{};
  ListView_GetSubItemRect(list, row, column, LVIR_BOUNDS, &cell);
  return cell;
}

// On a cell's image: a few pixels right of the cell's left edge, mid-height.
POINT ImagePoint(HWND list, int row, int column) {
  const RECT cell = CellRect(list, row, column);
  return POINT{cell.left + 5, (cell.top + cell.bottom) / 2};
}

// Posts one mouse message and handles everything waiting, as the user's own
// input would be, with the pointer put on the point: a real move would end a press.
void Mouse(HWND list, UINT msg, POINT point) {
  POINT screen = point;
  ClientToScreen(list, &screen);
  SetCursorPos(screen.x, screen.y);
  PostMessageA(list, msg, msg == WM_LBUTTONUP ? 0 : MK_LBUTTON, MAKELPARAM(point.x, point.y));
  PumpMessages();
}

class SkillListTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const std::string master =
        std::string("master ") + kDataSectionAttackBasic + " 10 2 5 " + kListTitleMasterItem + ":3";
    ASSERT_TRUE(LoadDataLines(
        plan, folder,
        {HeaderLine(kDataSectionJobNames), std::string(kDataJobKeyBunnyBasic) + " Fighter",
         AttackBasicHeader(), "solo Solo 5 3 - -", master, "orb Orb 15 1 4 Orb:0",
         "need Need 20 1 - - master:2", "plain Plain 25 1 7 -", "last Last 30 1 - -"}));
    ASSERT_TRUE(plan.BuildPlan(kBunnyBasic));
    SetCursorPos(0, 0);  // off the lists, where no tip can show over what the screen is read for
    Open();
  }
  void Open() {
    host = std::make_unique<ListHost>(header, skills, plan);
    list = host->SkillList();
  }
  void Step(int row, LevelOp op, int times = 1) {
    ChangeList changes;
    for (int i = 0; i < times; ++i) plan.StepRowLevel(row, op, changes);
  }
  int Level(int row) const {
    SkillEntry entry;
    return plan.CopyRowEntry(row, entry) ? entry.level : -1;
  }
  // Pixels of the colour in a cell, as the screen shows the list now.
  int CellPixels(int row, int column, COLORREF color) const {
    host->Show();
    return Canvas(list).Count(color, CellRect(list, row, column));
  }

  ScratchFolder folder;
  GameDatabase plan;
  HeaderListView header;
  CountingSkillListView skills;
  std::unique_ptr<ListHost> host;
  HWND list = nullptr;
};

// The list control fills only the text's box of a sub-item and keeps room
// for an image in it: the custom draw paints each text cell whole.
TEST_F(SkillListTest, CellsShowThePlanPaintedWholeInTheirRowAndLevelColours) {
  Step(kRowSolo, Max);      // a one-level skill at 1 is mastered
  Step(kRowOrb, Max);       // mastered at 11: 1 + 10 + (4 - 1) points
  Step(kRowPlain, Up, 10);  // one short of mastering
  InvalidateRect(list, nullptr, TRUE);
  host->Show();
  const Canvas shown(list);
  // The job label on the first row only; a master item count of 0 shows as none.
  const std::vector<std::string> texts[] = {
      {"", "Fighter", "Solo", "5", "-", "-", "Master!", "3"},
      {"", "", kDataSectionAttackBasic, "10", kListTitleMasterItem, "3", "0", "0"},
      {"", "", "Orb", "15", "-", "-", "Master!", "14"},
      {"", "", "Need", "20", "-", "-", "0", "0"},
      {"", "", "Plain", "25", "-", "-", "10", "10"},
      {"", "", "Last", "30", "-", "-", "0", "0"}};
  // Every text cell has its row's background from edge to edge, read on a
  // line above the text; the step images' face matches it, with their glyph
  // on it and their mask row transparent. Level and points show in one colour:
  // "Master!" in the master colour, level 0 in the unlearnt one, else the text's.
  for (int row = 0; row < kRowCount; ++row) {
    const COLORREF back = row % 2 == 0 ? kAltRowColor : kBackColor;
    for (int column = 0; column < kSkillColumnCount; ++column) {
      SCOPED_TRACE(std::to_string(row) + "," + std::to_string(column));
      const RECT cell = CellRect(list, row, column);
      if (column >= kColumnFirstStep) {
        EXPECT_GT(shown.Count(back, cell), 100);
        EXPECT_GT(shown.Count(kNormalGlyph, cell), 0);
      } else if (column > kColumnHidden) {
        EXPECT_EQ(shown.Count(back, {cell.left, cell.top + 1, cell.right, cell.top + 2}),
                  cell.right - cell.left);
      }
      char text[260] = {};  // as the list reports it, through LVN_GETDISPINFOA
      ListView_GetItemText(list, row, column, text, sizeof text);
      EXPECT_EQ(text, column < kTextColumnCount ? texts[row][column] : "");
      if (column != kColumnSkillLevel && column != kColumnPoints) continue;
      const std::string& level = texts[row][kColumnSkillLevel];
      const COLORREF ink = level == "0"                                        ? kUnlearntColor
                           : level == "Master!" && column == kColumnSkillLevel ? kMasterColor
                                                                               : kTextColor;
      for (COLORREF color : {kTextColor, kUnlearntColor, kMasterColor})
        EXPECT_EQ(shown.Count(color, cell) > 0, color == ink) << std::hex << color;
    }
  }
  EXPECT_EQ(shown.Count(RGB(255, 0, 255)), 0);
  EXPECT_EQ(skills.textCellsLeft, 0);

  // "Master!" in full and centred; "Mas..." would be far narrower. The ink of
  // "M" and "!" stops 3 px short of the advance widths.
  const RECT area = CellRect(list, kRowSolo, kColumnSkillLevel);
  const RECT inked = shown.Bounds(kMasterColor, true, area);
  EXPECT_GE(inked.right - inked.left, ListView_GetStringWidth(list, "Master!") - 4);
  // Doubled centres, so that the tolerance of 3 px stays whole.
  EXPECT_NEAR(inked.left + inked.right, area.left + area.right, 6);
  // A left-aligned text starts at the cell's edge, with no room left for an image.
  const RECT name = CellRect(list, kRowSolo, kColumnSkillName);
  EXPECT_LE(shown.Bounds(kTextColor, true, name).left, name.left + 6);
}

// While held, only the pressed cell shows pressed. The press ends, its worker
// stopped and joined, when the pointer leaves the cell, the rows are
// refreshed (the plan may have been rebuilt under it) or the list is closed;
// an armed ">>" ends without its step. The program tests lose the capture.
TEST_F(SkillListTest, LeavingRefreshingOrClosingEndsAPressForGood) {
  const std::pair<const char*, std::function<void()>> enders[] = {
      {"leave", [&] { Mouse(list, WM_MOUSEMOVE, ImagePoint(list, kRowPlain, kColumnPoints)); }},
      {"refresh", [&] { skills.RefreshRows(); }},
      {"close", [&] { host.reset(); }}};
  for (const auto& [how, end] : enders) {
    for (int pressed : {kUpColumn, kMaxColumn}) {
      SCOPED_TRACE(std::string(how) + (pressed == kUpColumn ? " >" : " >>"));
      if (!host) Open();
      Step(kRowPlain, Zero);
      const int threads = ThreadsAndHandles().first;
      const POINT point = ImagePoint(list, kRowPlain, pressed);
      Mouse(list, WM_LBUTTONDOWN, point);
      // ">" steps at once and repeats on its worker; ">>" waits for its release.
      const bool repeats = pressed == kUpColumn;
      EXPECT_EQ(Level(kRowPlain) > 0, repeats);
      EXPECT_TRUE(PumpUntil([&] { return ThreadsAndHandles().first == threads + repeats; }));
      for (int column = kColumnFirstStep; column < kSkillColumnCount; ++column) {
        EXPECT_EQ(CellPixels(kRowPlain, column, kPressedGlyph) > 0, column == pressed) << column;
        EXPECT_EQ(CellPixels(kRowPlain, column, kNormalGlyph) > 0, column != pressed) << column;
      }
      end();
      EXPECT_EQ(ThreadsAndHandles().first, threads);
      EXPECT_EQ(GetCapture(), nullptr);
      const int ended = Level(kRowPlain);
      if (host) {
        EXPECT_EQ(CellPixels(kRowPlain, pressed, kPressedGlyph), 0);
        Mouse(list, WM_LBUTTONUP, point);  // no longer a press of the list
      }
      EXPECT_EQ(Level(kRowPlain), repeats ? ended : 0);
    }
  }
  // A hundred presses leave no thread or handle behind (Wine may hold a handle or two more).
  Open();
  const auto before = ThreadsAndHandles();
  for (int press = 0; press < 200; ++press)
    Mouse(list, press % 2 ? WM_LBUTTONUP : WM_LBUTTONDOWN,
          ImagePoint(list, kRowPlain, kColumnFirstStep + press / 2 % kStepColumnCount));
  EXPECT_EQ(ThreadsAndHandles().first, before.first);
  EXPECT_LE(ThreadsAndHandles().second, before.second + 4);
}

// The list's own selection and focus states stay cleared: its cursor row is
// framed while the list has the focus and moved by presses, arrow and page keys.
// The program tests step it with real keys, each key press one undo step.
TEST_F(SkillListTest, KeysMoveTheCursorRowFramedWhileTheListHasTheFocus) {
  SetFocus(host->Item(IDC_HEADER_LIST));
  host->Show();
  const Canvas unfocused(list);
  // The rows where the list differs from how it showed without the focus.
  auto framedRows = [&] {
    host->Show();
    const Canvas shown(list);
    std::vector<int> rows;
    for (int row = 0; row < kRowCount; ++row)
      if (shown.Differences(unfocused, CellRect(list, row, 0)) > 0) rows.push_back(row);
    EXPECT_EQ(ListView_GetNextItem(list, -1, LVNI_SELECTED), -1);
    EXPECT_EQ(ListView_GetNextItem(list, -1, LVNI_FOCUSED), -1);
    return rows;
  };
  Mouse(list, WM_LBUTTONDOWN, ImagePoint(list, kRowCount - 1, kColumnSkillName));  // no tip there
  Mouse(list, WM_LBUTTONUP, ImagePoint(list, kRowCount - 1, kColumnSkillName));
  EXPECT_EQ(framedRows(), std::vector<int>{kRowCount - 1});
  const std::pair<UINT, int> moves[] = {{VK_UP, 4},  {VK_HOME, 0},  {VK_DOWN, 1},
                                        {VK_END, 5}, {VK_PRIOR, 0}, {VK_NEXT, 5}};
  for (auto [code, row] : moves) {
    SendMessageA(list, WM_KEYDOWN, code, 0);
    EXPECT_EQ(framedRows(), std::vector<int>{row}) << code;
  }
  SetFocus(host->Item(IDC_HEADER_LIST));
  EXPECT_EQ(framedRows(), std::vector<int>{});
}

// The list hands its mouse messages to its tip, which subclasses nothing. Two
// tools take turns over the row under the mouse, so a move to another row
// shows that row's text; a skill tied to no other shows no tip.
TEST_F(SkillListTest, TheTipFollowsTheRowUnderTheMouseAndShowsOnlyTies) {
  EXPECT_EQ(GetWindowLongPtrA(list, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(SharedWindowProc));
  auto findTip = [] {
    HWND tip = nullptr;
    do tip = FindWindowExA(nullptr, tip, TOOLTIPS_CLASSA, nullptr);
    while (tip && GetWindowThreadProcessId(tip, nullptr) != GetCurrentThreadId());
    return tip;
  };
  // The tip window is made by the first mouse message, not at start-up.
  EXPECT_EQ(findTip(), nullptr);
  Mouse(list, WM_MOUSEMOVE, POINT{1, 1});
  HWND tip = findTip();
  ASSERT_NE(tip, nullptr);
  // The tip asks for its text each time it is about to show.
  auto tipAt = [&](int row) {
    const int requests = skills.tipRequests;
    Mouse(list, WM_MOUSEMOVE, ImagePoint(list, row, kColumnSkillName));
    EXPECT_TRUE(PumpUntil([&] { return skills.tipRequests > requests; })) << row;
    char text[256] = {};
    if (IsWindowVisible(tip)) SendMessageA(tip, WM_GETTEXT, 256, reinterpret_cast<LPARAM>(text));
    return std::string(text);
  };
  EXPECT_EQ(tipAt(kRowNeed), kTipPrerequisites + std::string(kDataSectionAttackBasic) + " Lv2");
  EXPECT_EQ(tipAt(kRowMaster), kTipDependents + std::string("Need"));
  EXPECT_EQ(tipAt(kRowSolo), "");
}

}  // namespace
