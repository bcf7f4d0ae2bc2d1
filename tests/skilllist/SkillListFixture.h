#pragma once

// A plan of six skills shown in a hosted title list and skill list, with the
// cell and mouse helpers the list tests read and press it through.

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "harness/ListHost.h"
#include "skilllist/ColumnTable.h"
#include "skilllist/StepImageList.h"
#include "tests/core/PlanTestData.h"

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

// On a cell's image: a few pixels right of the cell's left edge, mid-height.
inline POINT ImagePoint(HWND list, int row, int column) {
  const RECT cell = CellRect(list, row, column);
  return POINT{cell.left + 5, (cell.top + cell.bottom) / 2};
}

// Posts one mouse message with the button held (released for WM_LBUTTONUP)
// and handles everything waiting, as the user's own input would be. The
// pointer is put on the point first, so that no real mouse move (the
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
    ASSERT_TRUE(LoadDataLines(
        plan, folder,
        {HeaderLine(kDataSectionJobNames), std::string(kDataJobKeyBunnyBasic) + " " + kTestJobName,
         AttackBasicHeader(), "solo Solo 5 3 - -", master, "orb Orb 15 1 4 Orb:0",
         "need Need 20 1 - - master:2", "plain Plain 25 1 7 -", "last Last 30 1 - -"}));
    ASSERT_TRUE(plan.BuildPlan(kBunnyBasic));
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
  // Pixels of the colour in a cell, as the screen shows the list now.
  int CellPixels(int row, int column, COLORREF color) const {
    return Canvas(list).Count(color, CellRect(list, row, column));
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
