#include "tests/skilllist/SkillListFixture.h"

#include "skilllist/ColumnTable.h"

namespace {

int ColumnFormat(HWND list, int column) {
  LVCOLUMNA description{};
  description.mask = LVCF_FMT;
  if (!SendMessageA(list, LVM_GETCOLUMNA, column, reinterpret_cast<LPARAM>(&description))) return -1;
  return description.fmt & LVCFMT_JUSTIFYMASK;
}

int ColumnCount(HWND list) {
  HWND columnHeader = reinterpret_cast<HWND>(SendMessageA(list, LVM_GETHEADER, 0, 0));
  return static_cast<int>(SendMessageA(columnHeader, HDM_GETITEMCOUNT, 0, 0));
}

void Click(HWND list, const RECT& cell) {
  const LPARAM point = MAKELPARAM(cell.left + 5, (cell.top + cell.bottom) / 2);
  PostMessageA(list, WM_LBUTTONDOWN, MK_LBUTTON, point);
  PostMessageA(list, WM_LBUTTONUP, 0, point);
  PumpMessages();
}

using HeaderListViewTest = SkillListFixture;

TEST_F(HeaderListViewTest, OneRowOfTitlesOverColumnsAsWideAsTheSkillColumns) {
  HWND list = host->HeaderList();
  ASSERT_EQ(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0), 1);
  ASSERT_EQ(ColumnCount(list), kTitleColumnCount);
  const int expectedWidths[] = {0, 100, 130, 50, 130, 50, 55, 50, 120};
  const int expectedFormats[] = {LVCFMT_LEFT,   LVCFMT_LEFT,   LVCFMT_LEFT,
                                 LVCFMT_CENTER, LVCFMT_LEFT,   LVCFMT_CENTER,
                                 LVCFMT_CENTER, LVCFMT_CENTER, LVCFMT_CENTER};
  const std::string expectedTitles[] = {"", kListTitleJob, kListTitleSkillName,
                                        kListTitleLearnLevel, kListTitleMasterItem,
                                        kListTitleItemCount, kListTitleSkillLevel,
                                        kListTitlePoints, kListTitleCounter};
  for (int column = 0; column < kTitleColumnCount; ++column) {
    SCOPED_TRACE(column);
    EXPECT_EQ(SendMessageA(list, LVM_GETCOLUMNWIDTH, column, 0), expectedWidths[column]);
    EXPECT_EQ(ColumnFormat(list, column), expectedFormats[column]);
    EXPECT_EQ(CellText(list, 0, column), expectedTitles[column]);
  }
  // The counter column spans exactly the four step columns below it.
  int stepWidths = 0;
  for (int column = kColumnFirstStep; column < kSkillColumnCount; ++column)
    stepWidths += static_cast<int>(SendMessageA(host->SkillList(), LVM_GETCOLUMNWIDTH, column, 0));
  EXPECT_EQ(stepWidths, SendMessageA(list, LVM_GETCOLUMNWIDTH, kColumnFirstStep, 0));

  // The styles both lists get.
  for (HWND styled : {list, host->SkillList()}) {
    EXPECT_EQ(GetWindowLongA(styled, GWL_STYLE) & (LVS_OWNERDATA | LVS_SINGLESEL),
              LVS_OWNERDATA | LVS_SINGLESEL);
    EXPECT_EQ(SendMessageA(styled, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0) &
                  (LVS_EX_SUBITEMIMAGES | LVS_EX_FULLROWSELECT),
              LVS_EX_SUBITEMIMAGES | LVS_EX_FULLROWSELECT);
    EXPECT_EQ(GetClassLongPtrA(styled, GCL_STYLE) & CS_DBLCLKS, 0u);
    EXPECT_EQ(SendMessageA(styled, LVM_GETBKCOLOR, 0, 0), static_cast<LRESULT>(kHostBackColor));
  }
  EXPECT_EQ(SendMessageA(list, LVM_GETTEXTCOLOR, 0, 0), static_cast<LRESULT>(kHostTextColor));
}

TEST_F(HeaderListViewTest, AttachingTwiceAddsNoColumns) {
  EXPECT_TRUE(header.Attach(host->HeaderList()));
  EXPECT_TRUE(skills.Attach(host->SkillList()));
  EXPECT_EQ(ColumnCount(host->HeaderList()), kTitleColumnCount);
  EXPECT_EQ(ColumnCount(host->SkillList()), kSkillColumnCount);
}

TEST_F(HeaderListViewTest, ClickingATextCellLeavesNoRowSelectedOrFocused) {
  for (HWND list : {host->HeaderList(), host->SkillList()}) {
    Click(list, CellRect(list, 0, kColumnSkillName));
    EXPECT_EQ(SendMessageA(list, LVM_GETNEXTITEM, -1, LVNI_SELECTED), -1);
    EXPECT_EQ(SendMessageA(list, LVM_GETNEXTITEM, -1, LVNI_FOCUSED), -1);
  }
  // Selection set directly is taken back as well.
  LVITEMA selected{};
  selected.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
  selected.state = LVIS_SELECTED | LVIS_FOCUSED;
  SendMessageA(host->SkillList(), LVM_SETITEMSTATE, kRowOrb, reinterpret_cast<LPARAM>(&selected));
  EXPECT_EQ(SendMessageA(host->SkillList(), LVM_GETNEXTITEM, -1, LVNI_SELECTED), -1);
  EXPECT_EQ(SendMessageA(host->SkillList(), LVM_GETNEXTITEM, -1, LVNI_FOCUSED), -1);
}

}  // namespace
