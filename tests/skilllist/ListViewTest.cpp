#include <cstring>
#include <string>
#include <vector>

#include "tests/skilllist/SkillListFixture.h"

namespace {

using ListViewTest = SkillListFixture;
using Texts = std::vector<std::string>;

TEST_F(ListViewTest, TitlesAndCellsComeFromThePlan) {
  HWND titles = host->HeaderList();
  ASSERT_EQ(SendMessageA(titles, LVM_GETITEMCOUNT, 0, 0), 1);
  EXPECT_EQ(
      RowTexts(titles, 0, kTitleColumnCount),
      (Texts{"", kListTitleJob, kListTitleSkillName, kListTitleLearnLevel, kListTitleMasterItem,
             kListTitleItemCount, kListTitleSkillLevel, kListTitlePoints, kListTitleCounter}));
  // Two quick clicks must reach the lists as two presses, not a double click.
  for (HWND styled : {titles, list})
    EXPECT_EQ(GetClassLongPtrA(styled, GCL_STYLE) & CS_DBLCLKS, 0u);

  ASSERT_EQ(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0), kRowCount);
  Step(kRowSolo, Max);       // a one-level skill at 1 is mastered
  Step(kRowMaster, Up, 11);  // 11 with master points: 2 + 10 + (5 - 1)
  Step(kRowPlain, Up, 10);   // one short of mastering
  // The job label on the first row only; a master item count of 0 shows as none.
  EXPECT_EQ(RowTexts(list, kRowSolo, kSkillColumnCount),
            (Texts{"", kTestJobName, "Solo", "5", "-", "-", "Master!", "3", "", "", "", ""}));
  EXPECT_EQ(
      RowTexts(list, kRowMaster, kTextColumnCount),
      (Texts{"", "", kDataSectionAttackBasic, "10", kListTitleMasterItem, "3", "Master!", "16"}));
  EXPECT_EQ(RowTexts(list, kRowOrb, kTextColumnCount),
            (Texts{"", "", "Orb", "15", "-", "-", "0", "0"}));
  EXPECT_EQ(RowTexts(list, kRowPlain, kTextColumnCount),
            (Texts{"", "", "Plain", "25", "-", "-", "10", "10"}));
  // Wine draws image 0 where no image is answered: text cells must say none.
  for (int column = 0; column < kSkillColumnCount; ++column)
    EXPECT_EQ(CellImage(list, kRowMaster, column) == I_IMAGENONE, column < kColumnFirstStep);

  // A buffer of 6 holds five bytes: two double-byte characters, not half a third.
  char buffer[16];
  std::memset(buffer, '#', sizeof buffer);
  NMLVDISPINFOA request{};
  request.item.mask = LVIF_TEXT;
  request.item.iItem = kRowMaster;
  request.item.iSubItem = kColumnSkillName;
  request.item.pszText = buffer;
  request.item.cchTextMax = 6;
  skills.OnGetDispInfo(request);
  EXPECT_EQ(std::string(buffer, 6),
            std::string(kDataSectionAttackBasic, 4) + std::string("\0#", 2));
  // Rows beyond the plan, and any row without a plan, are never read.
  SkillListView unplanned;
  request.item.cchTextMax = sizeof buffer;
  for (int row : {-1, kRowCount, kRowSolo}) {
    std::strcpy(buffer, "keep");
    request.item.iItem = row;
    (row == kRowSolo ? unplanned : skills).OnGetDispInfo(request);
    EXPECT_STREQ(buffer, "keep") << row;
  }
  // A refresh takes the row count of an empty plan and has the total shown again.
  const int refreshes = host->RefreshTotalCount();
  ASSERT_FALSE(plan.BuildPlan(0x30));  // no such type pair
  skills.RefreshRows();
  EXPECT_EQ(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0), 0);
  EXPECT_EQ(host->RefreshTotalCount(), refreshes + 1);
}

// The list control fills only the text's box of a sub-item and keeps room
// for an image in it: the custom draw paints each text cell whole.
TEST_F(ListViewTest, TextCellsArePaintedWholeInTheirRowAndLevelColours) {
  Step(kRowSolo, Max);
  Step(kRowOrb, Max);
  Step(kRowPlain, Up, 3);
  Repaint();
  const Canvas shown(list);

  // Every text cell has its row's background from edge to edge, read on a
  // line above the text; the step images' face matches it.
  for (int row = 0; row < kRowCount; ++row) {
    const COLORREF back = row % 2 == 0 ? kAltRowColor : kBackColor;
    for (int column = kColumnJob; column < kTextColumnCount; ++column) {
      const RECT cell = CellRect(list, row, column);
      EXPECT_EQ(shown.Count(back, RECT{cell.left, cell.top + 1, cell.right, cell.top + 2}),
                cell.right - cell.left)
          << row << "," << column;
    }
    EXPECT_GT(shown.Count(back, CellRect(list, row, kColumnFirstStep)), 100) << row;
  }

  // Level and points cells: the one colour each shows, the others absent.
  const struct {
    int row, column;
    COLORREF color;
  } cells[] = {{kRowSolo, kColumnSkillLevel, kMasterColor},  // "Master!" at 1
               {kRowOrb, kColumnSkillLevel, kMasterColor},   // "Master!" at 11
               {kRowPlain, kColumnSkillLevel, kTextColor},   // "3"
               {kRowMaster, kColumnSkillLevel, kUnlearntColor},
               {kRowMaster, kColumnPoints, kUnlearntColor},  // level 0
               {kRowSolo, kColumnPoints, kTextColor}};       // mastered, yet points are text
  for (const auto& cell : cells)
    for (COLORREF color : {kTextColor, kUnlearntColor, kMasterColor})
      EXPECT_EQ(shown.Count(color, CellRect(list, cell.row, cell.column)) > 0, color == cell.color)
          << cell.row << "," << cell.column << " " << std::hex << color;

  // "Master!" in full and centred; "Mas..." would be far narrower. The ink of
  // "M" and "!" stops 3 px short of the advance widths.
  HDC dc = GetDC(list);
  const HGDIOBJ oldFont =
      SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(list, WM_GETFONT, 0, 0)));
  SIZE master{};
  GetTextExtentPoint32A(dc, "Master!", 7, &master);
  SelectObject(dc, oldFont);
  ReleaseDC(list, dc);
  const RECT area = CellRect(list, kRowSolo, kColumnSkillLevel);
  const RECT inked = shown.Bounds(kMasterColor, true, area);
  EXPECT_GE(inked.right - inked.left, master.cx - 4);
  // Doubled centres, so that the tolerance of 3 px stays whole.
  EXPECT_NEAR(inked.left + inked.right, area.left + area.right, 6);
  // A left-aligned text starts at the cell's edge, with no room left for an image.
  const RECT name = CellRect(list, kRowSolo, kColumnSkillName);
  EXPECT_LE(shown.Bounds(kTextColor, true, name).left, name.left + 6);
}

// The text cells are painted in the custom draw, which puts the DC back as it
// found it and answers through the dialog result.
TEST_F(ListViewTest, CustomDrawOfATextCellLeavesTheDcAsItWas) {
  HDC dc = GetDC(list);
  SetTextColor(dc, RGB(1, 2, 3));
  SetBkMode(dc, OPAQUE);
  const HGDIOBJ font = GetCurrentObject(dc, OBJ_FONT);
  const HGDIOBJ brush = GetCurrentObject(dc, OBJ_BRUSH);
  NMLVCUSTOMDRAW draw{};
  draw.nmcd.hdr = NMHDR{list, IDC_SKILL_LIST, static_cast<UINT>(NM_CUSTOMDRAW)};
  draw.nmcd.hdc = dc;
  draw.nmcd.dwDrawStage = CDDS_ITEMPREPAINT | CDDS_SUBITEM;
  draw.nmcd.rc = CellRect(list, kRowSolo, kColumnSkillName);
  draw.iSubItem = kColumnSkillName;
  EXPECT_EQ(skills.OnCustomDraw(draw), 1);
  EXPECT_EQ(GetWindowLongPtrA(host->Dialog(), DWLP_MSGRESULT), CDRF_SKIPDEFAULT);
  EXPECT_EQ(GetTextColor(dc), RGB(1, 2, 3));
  EXPECT_EQ(GetBkMode(dc), OPAQUE);
  EXPECT_EQ(GetCurrentObject(dc, OBJ_FONT), font);
  EXPECT_EQ(GetCurrentObject(dc, OBJ_BRUSH), brush);
  ReleaseDC(list, dc);
}

}  // namespace
