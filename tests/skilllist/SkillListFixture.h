#pragma once

// A plan of six skills shown in a hosted title list and skill list, with the
// cell, pixel and mouse helpers the list tests read and press it through.

#include <gtest/gtest.h>

#include <JapaneseText.h>

#include <algorithm>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "plan/GameDatabase.h"
#include "skilllist/ColumnTable.h"
#include "skilllist/StepImageList.h"
#include "tests/core/PlanTestData.h"
#include "harness/ListHost.h"

// Counts the cell requests per row and the row changes it is told of.
class CountingSkillListView : public SkillListView {
 public:
  LRESULT WindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) override {
    if (msg == WM_APP_ROW_CHANGED) ++rowChanges;
    return SkillListView::WindowProc(window, msg, wParam, lParam);
  }
  LRESULT OnGetDispInfo(NMLVDISPINFOA& request) override {
    ++requestsByRow[request.item.iItem];
    return SkillListView::OnGetDispInfo(request);
  }

  std::map<int, int> requestsByRow;
  int rowChanges = 0;
};

// Rows of the test plan (bunny's basic job).
constexpr int kRowSolo = 0;    // one-level skill, no master item
constexpr int kRowMaster = 1;  // masterable, Japanese name, three master items
constexpr int kRowOrb = 2;     // masterable, a master item with count 0
constexpr int kRowNeed = 3;    // one-level, requires kRowMaster at level 2
constexpr int kRowPlain = 4;   // masterable to 11, no master item
constexpr int kRowCount = 6;
constexpr int kPlainMax = 11;

inline constexpr JobCode kTestBunnyBasic = 0x112;
inline const std::string kTestJobName = "Fighter";

inline constexpr int kZeroColumn = kColumnFirstStep + Zero;
inline constexpr int kDownColumn = kColumnFirstStep + Down;
inline constexpr int kUpColumn = kColumnFirstStep + Up;
inline constexpr int kMaxColumn = kColumnFirstStep + Max;
inline constexpr double kRepeatMilliseconds = 300;
inline constexpr COLORREF kNormalGlyph = RGB(0, 0, 128);
inline constexpr COLORREF kPressedGlyph = RGB(255, 0, 0);

// The text of a cell as the list reports it (through LVN_GETDISPINFOA).
inline std::string CellText(HWND list, int row, int column) {
  char text[260] = {};
  LVITEMA item{};
  item.iSubItem = column;
  item.pszText = text;
  item.cchTextMax = sizeof text;
  SendMessageA(list, LVM_GETITEMTEXTA, row, reinterpret_cast<LPARAM>(&item));
  return text;
}

// The texts of a row's first columns.
inline std::vector<std::string> RowTexts(HWND list, int row, int columns) {
  std::vector<std::string> texts;
  for (int column = 0; column < columns; ++column) texts.push_back(CellText(list, row, column));
  return texts;
}

inline int CellImage(HWND list, int row, int column) {
  LVITEMA item{};
  item.mask = LVIF_IMAGE;
  item.iItem = row;
  item.iSubItem = column;
  SendMessageA(list, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
  return item.iImage;
}

inline RECT CellRect(HWND list, int row, int column) {
  RECT cell{LVIR_BOUNDS, column, 0, 0};
  SendMessageA(list, LVM_GETSUBITEMRECT, row, reinterpret_cast<LPARAM>(&cell));
  return cell;
}

// The pixels of exactly this colour inside the area, read from the screen:
// how many, and the smallest rectangle holding them (left > right for none).
struct Ink {
  int count = 0;
  RECT bounds{};
};
inline Ink InkOf(HWND window, const RECT& area, COLORREF color) {
  Ink ink{0, RECT{area.right, area.bottom, area.left, area.top}};
  HDC dc = GetDC(window);
  for (int y = area.top; y < area.bottom; ++y)
    for (int x = area.left; x < area.right; ++x)
      if (GetPixel(dc, x, y) == color) {
        ++ink.count;
        ink.bounds =
            RECT{std::min<LONG>(ink.bounds.left, x), std::min<LONG>(ink.bounds.top, y),
                 std::max<LONG>(ink.bounds.right, x + 1), std::max<LONG>(ink.bounds.bottom, y + 1)};
      }
  ReleaseDC(window, dc);
  return ink;
}
inline int CountPixels(HWND window, const RECT& area, COLORREF color) {
  return InkOf(window, area, color).count;
}

// Milliseconds from the performance counter.
inline double Now() {
  LARGE_INTEGER now, frequency;
  QueryPerformanceCounter(&now);
  QueryPerformanceFrequency(&frequency);
  return 1000.0 * static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// Handles messages as they come for the given time, calling watch after each.
inline void PumpFor(double milliseconds, const std::function<void()>& watch = nullptr) {
  for (const double end = Now() + milliseconds; Now() < end;) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 2, QS_ALLINPUT);
    PumpMessages();
    if (watch) watch();
  }
}

// On a cell's image: a few pixels right of the cell's left edge, mid-height.
inline POINT ImagePoint(HWND list, int row, int column) {
  const RECT cell = CellRect(list, row, column);
  return POINT{cell.left + 5, (cell.top + cell.bottom) / 2};
}

// Posts one mouse message with the button held (released for WM_LBUTTONUP)
// and handles everything waiting, as the user's own input would be.
// The pointer is put on the point first, so that no real mouse move (the
// display's pointer is elsewhere) ends a press under way.
inline void Mouse(HWND list, UINT msg, POINT point) {
  POINT screen = point;
  ClientToScreen(list, &screen);
  SetCursorPos(screen.x, screen.y);
  PostMessageA(list, msg, msg == WM_LBUTTONUP ? 0 : MK_LBUTTON, MAKELPARAM(point.x, point.y));
  PumpMessages();
}

inline void ClickAt(HWND list, POINT point) {
  Mouse(list, WM_LBUTTONDOWN, point);
  Mouse(list, WM_LBUTTONUP, point);
}

class SkillListFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    const std::string master =
        std::string("master ") + kDataSectionAttackBasic + " 10 2 5 " + kListTitleMasterItem + ":3";
    folder.Write(
        "vexa.dat",
        CrLfLines({HeaderLine(kDataSectionTypeNames), std::string(kTypeGlyphBunny) + " Usagi",
                   HeaderLine(kDataSectionJobNames),
                   std::string(kDataJobKeyBunnyBasic) + " " + kTestJobName,
                   HeaderLine(kDataSectionAttackBasic), "solo Solo 5 3 - -", master,
                   "orb Orb 15 1 4 Orb:0", "need Need 20 1 - - master:2", "plain Plain 25 1 7 -",
                   "last Last 30 1 - -"}));
    ASSERT_TRUE(LoadDatabaseFrom(folder, plan));
    ASSERT_TRUE(plan.BuildPlan(kTestBunnyBasic));
    ASSERT_EQ(plan.RowCount(), kRowCount);
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
  bool ShowsPressed(int row, int column) const {
    return CellImage(list, row, column) == StepImageIndex(row, column, true);
  }
  int ShownTotal() const {
    return static_cast<int>(GetDlgItemInt(host->Dialog(), IDC_TOTAL_LABEL, nullptr, TRUE));
  }
  // Holds on for the time and returns how many rows the list was told of.
  int RowChangesWhileHolding(double milliseconds) {
    const int before = skills.rowChanges;
    PumpFor(milliseconds);
    return skills.rowChanges - before;
  }
  void Repaint() const {
    InvalidateRect(list, nullptr, TRUE);
    host->Show();
  }

  ScratchFolder folder;
  GameDatabase plan;
  HeaderListView header;
  CountingSkillListView skills;
  std::unique_ptr<ListHost> host;
  HWND list = nullptr;
};
