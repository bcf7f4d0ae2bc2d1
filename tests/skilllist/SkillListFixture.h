#pragma once

// A plan of six skills shown in a hosted title list and skill list.

#include <gtest/gtest.h>

#include <JapaneseText.h>

#include <algorithm>
#include <map>
#include <memory>
#include <string>

#include "data/GameDatabase.h"
#include "tests/core/DataFileScratch.h"
#include "tests/skilllist/ListHost.h"

// Counts the cell requests per row and the row changes it is told of, and
// lets a test press a step cell.
class CountingSkillListView : public SkillListView {
 public:
  using SkillListView::PressCell;
  using SkillListView::ReleaseCell;

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
constexpr int kRowPlain = 4;   // masterable, no master item
constexpr int kRowCount = 6;

inline constexpr JobCode kTestBunnyBasic = 0x112;
inline const std::string kTestJobName = "Fighter";

class SkillListFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    folder.Write("vexa.dat", CrLfLines({
        HeaderLine(kDataSectionTypeNames),
        std::string(kTypeGlyphBunny) + " Usagi",
        HeaderLine(kDataSectionJobNames),
        std::string(kDataJobKeyBunnyBasic) + " " + kTestJobName,
        HeaderLine(kDataSectionAttackBasic),
        "solo Solo 5 3 - -",
        std::string("master ") + kDataSectionAttackBasic + " 10 2 5 " + kListTitleMasterItem + ":3",
        "orb Orb 15 1 4 Orb:0",
        "need Need 20 1 - - master:2",
        "plain Plain 25 1 7 -",
        "last Last 30 1 - -",
    }));
    {
      WorkingDirectory inFolder(folder.path);
      ASSERT_TRUE(plan.load());
    }
    ASSERT_TRUE(plan.BuildPlan(kTestBunnyBasic));
    ASSERT_EQ(plan.RowCount(), kRowCount);
    host = std::make_unique<ListHost>(header, skills, plan);
  }

  void Step(int row, LevelOp op, int times = 1) {
    ChangeList changes;
    for (int i = 0; i < times; ++i) plan.StepRowLevel(row, op, changes);
  }

  ScratchFolder folder;
  GameDatabase plan;
  HeaderListView header;
  CountingSkillListView skills;
  std::unique_ptr<ListHost> host;
};

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

// The image index of a cell as the list reports it.
inline int CellImage(HWND list, int row, int column) {
  LVITEMA item{};
  item.mask = LVIF_IMAGE;
  item.iItem = row;
  item.iSubItem = column;
  item.iImage = 0;
  SendMessageA(list, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
  return item.iImage;
}

inline RECT CellRect(HWND list, int row, int column) {
  RECT cell{};
  cell.top = column;
  cell.left = LVIR_BOUNDS;
  SendMessageA(list, LVM_GETSUBITEMRECT, row, reinterpret_cast<LPARAM>(&cell));
  return cell;
}

// Calls found(x, y) for each pixel of exactly this colour inside the area,
// read from the screen.
template <typename Found>
void ForEachPixel(HWND window, const RECT& area, COLORREF color, Found found) {
  HDC dc = GetDC(window);
  for (int y = area.top; y < area.bottom; ++y)
    for (int x = area.left; x < area.right; ++x)
      if (GetPixel(dc, x, y) == color) found(x, y);
  ReleaseDC(window, dc);
}

inline int CountPixels(HWND window, const RECT& area, COLORREF color) {
  int count = 0;
  ForEachPixel(window, area, color, [&](int, int) { ++count; });
  return count;
}

// The smallest rectangle holding every pixel of this colour in the area;
// left > right when there is none.
inline RECT PixelBounds(HWND window, const RECT& area, COLORREF color) {
  RECT bounds{area.right, area.bottom, area.left, area.top};
  ForEachPixel(window, area, color, [&](int x, int y) {
    bounds.left = std::min<LONG>(bounds.left, x);
    bounds.top = std::min<LONG>(bounds.top, y);
    bounds.right = std::max<LONG>(bounds.right, x + 1);
    bounds.bottom = std::max<LONG>(bounds.bottom, y + 1);
  });
  return bounds;
}
