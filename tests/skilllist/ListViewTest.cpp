#include <cstring>
#include <tuple>
#include <utility>
#include <vector>

#include "tests/skilllist/SkillListFixture.h"

namespace {

using ListViewTest = SkillListFixture;
using Texts = std::vector<std::string>;

// Width and alignment (left, right, centre) of each column, as "130L" or "50C".
Texts ColumnShapes(HWND list) {
  HWND columnHeader = reinterpret_cast<HWND>(SendMessageA(list, LVM_GETHEADER, 0, 0));
  Texts shapes(SendMessageA(columnHeader, HDM_GETITEMCOUNT, 0, 0));
  for (std::size_t column = 0; column < shapes.size(); ++column) {
    LVCOLUMNA description{};
    description.mask = LVCF_FMT | LVCF_WIDTH;
    SendMessageA(list, LVM_GETCOLUMNA, column, reinterpret_cast<LPARAM>(&description));
    shapes[column] = std::to_string(description.cx) + "LRC"[description.fmt & LVCFMT_JUSTIFYMASK];
  }
  return shapes;
}

TEST_F(ListViewTest, ColumnsTitlesAndImagesOfBothLists) {
  HWND titles = host->HeaderList();
  // A second attach adds nothing. The title list's last column spans the four step columns.
  EXPECT_TRUE(header.Attach(titles));
  EXPECT_TRUE(skills.Attach(list));
  EXPECT_EQ(ColumnShapes(titles),
            (Texts{"0L", "100L", "130L", "50C", "130L", "50C", "55C", "50C", "120C"}));
  EXPECT_EQ(ColumnShapes(list), (Texts{"0L", "100L", "130L", "50C", "130L", "50C", "55C", "50C",
                                       "30L", "30L", "30L", "30L"}));
  ASSERT_EQ(SendMessageA(titles, LVM_GETITEMCOUNT, 0, 0), 1);
  EXPECT_EQ(
      RowTexts(titles, 0, kTitleColumnCount),
      (Texts{"", kListTitleJob, kListTitleSkillName, kListTitleLearnLevel, kListTitleMasterItem,
             kListTitleItemCount, kListTitleSkillLevel, kListTitlePoints, kListTitleCounter}));
  // Two quick clicks must reach the lists as two presses, not a double click.
  for (HWND styled : {titles, list})
    EXPECT_EQ(GetClassLongPtrA(styled, GCL_STYLE) & CS_DBLCLKS, 0u);
  EXPECT_EQ(SendMessageA(titles, LVM_GETTEXTCOLOR, 0, 0), static_cast<LRESULT>(kHostTextColor));
  EXPECT_EQ(SendMessageA(titles, LVM_GETBKCOLOR, 0, 0), static_cast<LRESULT>(kHostBackColor));

  auto images = reinterpret_cast<HIMAGELIST>(SendMessageA(list, LVM_GETIMAGELIST, LVSIL_SMALL, 0));
  int width = 0, height = 0;
  ASSERT_TRUE(ImageList_GetIconSize(images, &width, &height));
  EXPECT_EQ(std::make_tuple(ImageList_GetImageCount(images), width, height),
            std::make_tuple(16, 30, 15));
}

TEST_F(ListViewTest, CellTextsAndImagesComeFromThePlan) {
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

  // Odd rows take images 0-7, even rows 8-15, two per step column; text cells none.
  for (int row : {0, 1, 2, 3})
    for (int column = 0; column < kSkillColumnCount; ++column)
      EXPECT_EQ(CellImage(list, row, column),
                column < kColumnFirstStep ? I_IMAGENONE
                                          : (row % 2 ? 0 : 8) + 2 * (column - kColumnFirstStep))
          << row << "," << column;

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
  request.item.cchTextMax = 1;
  skills.OnGetDispInfo(request);
  EXPECT_EQ(std::string(buffer, 2), std::string("\0", 1) + kDataSectionAttackBasic[1]);

  // Rows beyond the plan, and any row without a plan, are never read.
  SkillListView unplanned;
  request.item.cchTextMax = sizeof buffer;
  for (int row : {-1, kRowCount, kRowCount + 100, kRowSolo}) {
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

TEST_F(ListViewTest, CellColoursAndTextPlacementOnScreen) {
  Step(kRowSolo, Max);
  Step(kRowOrb, Max);
  Step(kRowPlain, Up, 3);
  Repaint();

  // Every text cell has its row's background from edge to edge, read on a
  // line above the text; the step images' face matches it.
  for (int row = 0; row < kRowCount; ++row) {
    const COLORREF back = row % 2 == 0 ? kHostAltRowColor : kHostBackColor;
    for (int column = kColumnJob; column < kTextColumnCount; ++column) {
      const RECT cell = CellRect(list, row, column);
      EXPECT_EQ(CountPixels(list, RECT{cell.left, cell.top + 1, cell.right, cell.top + 2}, back),
                cell.right - cell.left)
          << row << "," << column;
    }
    EXPECT_GT(CountPixels(list, CellRect(list, row, kColumnFirstStep), back), 100) << row;
  }

  // Level and points cells: the one colour each shows, the others absent.
  struct Shown {
    int row, column;
    COLORREF color;
  };
  const Shown shown[] = {
      {kRowSolo, kColumnSkillLevel, kHostMasterColor},  // "Master!" at 1
      {kRowOrb, kColumnSkillLevel, kHostMasterColor},   // "Master!" at 11
      {kRowPlain, kColumnSkillLevel, kHostTextColor},   // "3"
      {kRowMaster, kColumnSkillLevel, kHostUnlearntColor},
      {kRowMaster, kColumnPoints, kHostUnlearntColor},  // level 0
      {kRowSolo, kColumnPoints, kHostTextColor},        // mastered, yet points are text
      {kRowPlain, kColumnPoints, kHostTextColor}};
  for (const Shown& cell : shown)
    for (COLORREF color : {kHostTextColor, kHostUnlearntColor, kHostMasterColor})
      EXPECT_EQ(CountPixels(list, CellRect(list, cell.row, cell.column), color) > 0,
                color == cell.color)
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
  const Shown centred[] = {{kRowSolo, kColumnSkillLevel, kHostMasterColor},
                           {kRowMaster, kColumnLearnLevel, kHostTextColor}};
  for (const Shown& cell : centred) {
    const RECT area = CellRect(list, cell.row, cell.column);
    const RECT inked = InkOf(list, area, cell.color).bounds;
    EXPECT_GE(inked.right - inked.left, cell.row == kRowSolo ? master.cx - 4 : 1) << cell.column;
    // Doubled centres, so that the tolerance of 3 px stays whole.
    EXPECT_NEAR(inked.left + inked.right, area.left + area.right, 6) << cell.column;
  }
  // A left-aligned text starts at the cell's edge, with no room left for an image.
  const RECT name = CellRect(list, kRowSolo, kColumnSkillName);
  EXPECT_LE(InkOf(list, name, kHostTextColor).bounds.left, name.left + 6);
}

TEST_F(ListViewTest, CustomDrawAnswersThroughTheDialogResultAndLeavesTheDcAsItWas) {
  NMLVCUSTOMDRAW draw{};
  draw.nmcd.hdr = NMHDR{list, IDC_SKILL_LIST, static_cast<UINT>(NM_CUSTOMDRAW)};
  HDC dc = GetDC(list);
  draw.nmcd.hdc = dc;
  SetTextColor(dc, RGB(1, 2, 3));
  SetBkColor(dc, RGB(4, 5, 6));
  SetBkMode(dc, OPAQUE);
  const HGDIOBJ font = GetCurrentObject(dc, OBJ_FONT);
  const HGDIOBJ brush = GetCurrentObject(dc, OBJ_BRUSH);
  const auto answer = [&](DWORD stage, int column, LRESULT handled) {
    SetWindowLongPtrA(host->Dialog(), DWLP_MSGRESULT, 12345);
    draw.nmcd.dwDrawStage = stage;
    draw.iSubItem = column;
    EXPECT_EQ(skills.OnCustomDraw(draw), handled) << stage << "," << column;
    return GetWindowLongPtrA(host->Dialog(), DWLP_MSGRESULT);
  };
  EXPECT_EQ(answer(CDDS_PREPAINT, 0, 1), CDRF_NOTIFYSUBITEMDRAW);
  EXPECT_EQ(answer(CDDS_ITEMPREPAINT, 0, 1), CDRF_NOTIFYSUBITEMDRAW);
  // The text cells are painted here; the list draws the step cells.
  for (int column = 0; column < kSkillColumnCount; ++column)
    EXPECT_EQ(answer(CDDS_ITEMPREPAINT | CDDS_SUBITEM, column, 1),
              column < kColumnFirstStep ? CDRF_SKIPDEFAULT : CDRF_NOTIFYSUBITEMDRAW)
        << column;
  EXPECT_EQ(answer(CDDS_POSTPAINT, 0, 0), 12345);
  EXPECT_EQ(GetTextColor(dc), RGB(1, 2, 3));
  EXPECT_EQ(GetBkColor(dc), RGB(4, 5, 6));
  EXPECT_EQ(GetBkMode(dc), OPAQUE);
  EXPECT_EQ(GetCurrentObject(dc, OBJ_FONT), font);
  EXPECT_EQ(GetCurrentObject(dc, OBJ_BRUSH), brush);

  // The custom draw of the list's own header control is not ours to answer.
  NMLVCUSTOMDRAW foreign = draw;
  foreign.nmcd.hdr.hwndFrom = reinterpret_cast<HWND>(SendMessageA(list, LVM_GETHEADER, 0, 0));
  foreign.nmcd.dwDrawStage = CDDS_PREPAINT;
  skills.WindowProc(list, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&foreign));
  EXPECT_EQ(GetWindowLongPtrA(host->Dialog(), DWLP_MSGRESULT), 12345);

  // A row beyond the plan counts as level 0.
  Step(kRowSolo, Max);
  draw.nmcd.dwDrawStage = CDDS_ITEMPREPAINT | CDDS_SUBITEM;
  draw.iSubItem = kColumnSkillLevel;
  for (int row : {kRowCount, kRowCount + 1}) {
    draw.nmcd.dwItemSpec = row;
    skills.OnCustomDraw(draw);
    EXPECT_EQ(draw.clrText, kHostUnlearntColor) << row;
    EXPECT_EQ(draw.clrTextBk, row % 2 == 0 ? kHostAltRowColor : kHostBackColor) << row;
  }
  ReleaseDC(list, dc);
}

}  // namespace
