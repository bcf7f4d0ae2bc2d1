#include "tests/skilllist/SkillListFixture.h"

#include <cstring>
#include <vector>

#include "skilllist/ColumnTable.h"

namespace {

constexpr COLORREF kPressedGlyph = RGB(255, 0, 0);
constexpr COLORREF kNormalGlyph = RGB(0, 0, 128);

using SkillListViewTest = SkillListFixture;

std::vector<std::string> RowTexts(HWND list, int row) {
  std::vector<std::string> texts;
  for (int column = 0; column < kSkillColumnCount; ++column) texts.push_back(CellText(list, row, column));
  return texts;
}

TEST_F(SkillListViewTest, TwelveColumnsWithTheStepImages) {
  HWND list = host->SkillList();
  const int expectedWidths[] = {0, 100, 130, 50, 130, 50, 55, 50, 30, 30, 30, 30};
  for (int column = 0; column < kSkillColumnCount; ++column) {
    LVCOLUMNA description{};
    description.mask = LVCF_FMT | LVCF_WIDTH;
    ASSERT_TRUE(SendMessageA(list, LVM_GETCOLUMNA, column, reinterpret_cast<LPARAM>(&description)));
    EXPECT_EQ(description.cx, expectedWidths[column]) << column;
    const int expectedFormat = column < kTextColumnCount ? kColumnFormats[column] : LVCFMT_LEFT;
    EXPECT_EQ(description.fmt & LVCFMT_JUSTIFYMASK, expectedFormat) << column;
  }
  LVCOLUMNA beyond{};
  beyond.mask = LVCF_WIDTH;
  EXPECT_FALSE(SendMessageA(list, LVM_GETCOLUMNA, kSkillColumnCount, reinterpret_cast<LPARAM>(&beyond)));

  auto images = reinterpret_cast<HIMAGELIST>(SendMessageA(list, LVM_GETIMAGELIST, LVSIL_SMALL, 0));
  ASSERT_NE(images, nullptr);
  EXPECT_EQ(ImageList_GetImageCount(images), 16);
  int width = 0, height = 0;
  ImageList_GetIconSize(images, &width, &height);
  EXPECT_EQ(width, 30);
  EXPECT_EQ(height, 15);

  // Destroying the lists lets go of them; the same objects then serve new ones.
  host.reset();
  EXPECT_EQ(skills.Hwnd(), nullptr);
  host = std::make_unique<ListHost>(header, skills, plan);
  list = host->SkillList();
  images = reinterpret_cast<HIMAGELIST>(SendMessageA(list, LVM_GETIMAGELIST, LVSIL_SMALL, 0));
  ASSERT_NE(images, nullptr);
  EXPECT_EQ(ImageList_GetImageCount(images), 16);
  EXPECT_GT(CountPixels(list, CellRect(list, 0, kColumnFirstStep), kNormalGlyph), 0);
}

TEST_F(SkillListViewTest, CellTextsComeFromThePlan) {
  HWND list = host->SkillList();
  ASSERT_EQ(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0), kRowCount);
  using Texts = std::vector<std::string>;
  // Level 0 everywhere; the job label stands on the first row only.
  EXPECT_EQ(RowTexts(list, kRowSolo), (Texts{"", kTestJobName, "Solo", "5", "-", "-", "0", "0", "", "", "", ""}));
  EXPECT_EQ(RowTexts(list, kRowMaster), (Texts{"", "", kDataSectionAttackBasic, "10", kListTitleMasterItem, "3",
                                               "0", "0", "", "", "", ""}));
  EXPECT_EQ(RowTexts(list, kRowOrb), (Texts{"", "", "Orb", "15", "-", "-", "0", "0", "", "", "", ""}));

  Step(kRowSolo, Max);         // a one-level skill at 1 is mastered
  Step(kRowMaster, Up, 11);    // 11 with master points: 2 + 10 + (5 - 1)
  Step(kRowPlain, Up, 10);     // one short of mastering
  EXPECT_EQ(CellText(list, kRowSolo, kColumnSkillLevel), "Master!");
  EXPECT_EQ(CellText(list, kRowSolo, kColumnPoints), "3");
  EXPECT_EQ(CellText(list, kRowMaster, kColumnSkillLevel), "Master!");
  EXPECT_EQ(CellText(list, kRowMaster, kColumnPoints), "16");
  EXPECT_EQ(CellText(list, kRowPlain, kColumnSkillLevel), "10");
  EXPECT_EQ(CellText(list, kRowPlain, kColumnPoints), "10");
}

TEST_F(SkillListViewTest, TextsAreCutToTheBufferAndRowsBeyondThePlanAreLeftAlone) {
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
  EXPECT_EQ(std::string(buffer), std::string(kDataSectionAttackBasic, 4));
  EXPECT_EQ(buffer[5], '#');

  request.item.cchTextMax = 1;
  skills.OnGetDispInfo(request);
  EXPECT_EQ(buffer[0], '\0');
  EXPECT_EQ(buffer[1], kDataSectionAttackBasic[1]);

  for (int row : {-1, kRowCount, kRowCount + 100}) {
    std::strcpy(buffer, "keep");
    request.item.iItem = row;
    request.item.cchTextMax = sizeof buffer;
    request.item.iSubItem = kColumnSkillLevel;
    skills.OnGetDispInfo(request);
    EXPECT_STREQ(buffer, "keep") << row;
  }

  // Without a plan nothing is read either.
  SkillListView unplanned;
  std::strcpy(buffer, "keep");
  request.item.iItem = kRowSolo;
  unplanned.OnGetDispInfo(request);
  EXPECT_STREQ(buffer, "keep");
}

TEST_F(SkillListViewTest, StepImagesFollowRowParityAndOnlyThePressedCellIsPressed) {
  HWND list = host->SkillList();
  for (int row : {0, 1, 2, 3}) {
    const int parityBase = row % 2 == 0 ? 8 : 0;
    for (int column = 0; column < kSkillColumnCount; ++column) {
      const int expected = column < kColumnFirstStep ? I_IMAGENONE : parityBase + 2 * (column - kColumnFirstStep);
      EXPECT_EQ(CellImage(list, row, column), expected) << row << "," << column;
    }
  }

  skills.PressCell(kRowMaster, kColumnFirstStep + Up);
  host->Show();
  EXPECT_EQ(CellImage(list, kRowMaster, kColumnFirstStep + Up), 5);
  EXPECT_EQ(CellImage(list, kRowNeed, kColumnFirstStep + Up), 4);
  for (int column = kColumnFirstStep; column < kSkillColumnCount; ++column) {
    const RECT cell = CellRect(list, kRowMaster, column);
    const bool pressed = column == kColumnFirstStep + Up;
    EXPECT_EQ(CountPixels(list, cell, kPressedGlyph) > 0, pressed) << column;
    EXPECT_EQ(CountPixels(list, cell, kNormalGlyph) > 0, !pressed) << column;
  }

  skills.ReleaseCell();
  host->Show();
  EXPECT_EQ(CellImage(list, kRowMaster, kColumnFirstStep + Up), 4);
  EXPECT_EQ(CountPixels(list, CellRect(list, kRowMaster, kColumnFirstStep + Up), kPressedGlyph), 0);
}

TEST_F(SkillListViewTest, RowAndLevelColoursOnScreen) {
  Step(kRowSolo, Max);
  Step(kRowOrb, Max);
  Step(kRowPlain, Up, 3);
  HWND list = host->SkillList();
  InvalidateRect(list, nullptr, TRUE);
  host->Show();

  // Every text cell has its row's background from edge to edge, read on a line above the text.
  for (int row = 0; row < kRowCount; ++row)
    for (int column = kColumnJob; column < kTextColumnCount; ++column) {
      const RECT cell = CellRect(list, row, column);
      const RECT line{cell.left, cell.top + 1, cell.right, cell.top + 2};
      EXPECT_EQ(CountPixels(list, line, row % 2 == 0 ? kHostAltRowColor : kHostBackColor),
                cell.right - cell.left)
          << row << "," << column;
    }
  // The face of each row's step images matches its background.
  for (int row : {0, 1}) {
    const RECT cell = CellRect(list, row, kColumnFirstStep);
    EXPECT_GT(CountPixels(list, cell, row % 2 == 0 ? kHostAltRowColor : kHostBackColor), 100) << row;
  }

  struct Expectation {
    int row;
    COLORREF shown;
    std::vector<COLORREF> absent;
  };
  const COLORREF all[] = {kHostTextColor, kHostUnlearntColor, kHostMasterColor};
  const Expectation levelCells[] = {
      {kRowSolo, kHostMasterColor, {}},     // "Master!" at 1
      {kRowMaster, kHostUnlearntColor, {}}, // "0"
      {kRowOrb, kHostMasterColor, {}},      // "Master!" at 11
      {kRowPlain, kHostTextColor, {}},      // "3"
  };
  for (const Expectation& cell : levelCells) {
    const RECT area = CellRect(list, cell.row, kColumnSkillLevel);
    for (COLORREF color : all)
      EXPECT_EQ(CountPixels(list, area, color) > 0, color == cell.shown) << cell.row << " " << std::hex << color;
  }
  // Points: unlearnt colour at level 0, text colour otherwise, never the master colour.
  const std::pair<int, COLORREF> pointCells[] = {
      {kRowSolo, kHostTextColor}, {kRowMaster, kHostUnlearntColor}, {kRowPlain, kHostTextColor}};
  for (const auto& [row, shown] : pointCells) {
    const RECT area = CellRect(list, row, kColumnPoints);
    for (COLORREF color : all)
      EXPECT_EQ(CountPixels(list, area, color) > 0, color == shown) << row << " " << std::hex << color;
  }
}

TEST_F(SkillListViewTest, TextsShowInFullWhereTheirColumnAlignsThem) {
  Step(kRowSolo, Max);
  HWND list = host->SkillList();
  InvalidateRect(list, nullptr, TRUE);
  host->Show();

  HDC dc = GetDC(list);
  const auto listFont = reinterpret_cast<HFONT>(SendMessageA(list, WM_GETFONT, 0, 0));
  const HGDIOBJ oldFont = SelectObject(dc, listFont);
  SIZE master{};
  GetTextExtentPoint32A(dc, "Master!", 7, &master);
  SelectObject(dc, oldFont);
  ReleaseDC(list, dc);

  // Doubled centres, so that the tolerance of 3 px stays whole.
  const auto expectCentred = [&](int row, int column, COLORREF ink, int minWidth) {
    const RECT cell = CellRect(list, row, column);
    const RECT inked = PixelBounds(list, cell, ink);
    EXPECT_GE(inked.right - inked.left, minWidth) << column;
    EXPECT_NEAR(inked.left + inked.right, cell.left + cell.right, 6) << column;
  };
  // The ink of "M" and "!" stops 3 px short of the advance widths; "Mas..." would be far shorter.
  expectCentred(kRowSolo, kColumnSkillLevel, kHostMasterColor, master.cx - 4);
  expectCentred(kRowMaster, kColumnLearnLevel, kHostTextColor, 1);
  // A left-aligned text starts at the cell's edge, with no room left for an image.
  const RECT name = CellRect(list, kRowSolo, kColumnSkillName);
  EXPECT_LE(PixelBounds(list, name, kHostTextColor).left, name.left + 6);
}

TEST_F(SkillListViewTest, CustomDrawAnswersThroughTheDialogResult) {
  NMLVCUSTOMDRAW draw{};
  draw.nmcd.hdr.hwndFrom = host->SkillList();
  draw.nmcd.hdr.idFrom = IDC_SKILL_LIST;
  draw.nmcd.hdr.code = NM_CUSTOMDRAW;
  HDC dc = GetDC(host->SkillList());
  draw.nmcd.hdc = dc;
  SetTextColor(dc, RGB(1, 2, 3));
  SetBkColor(dc, RGB(4, 5, 6));
  SetBkMode(dc, OPAQUE);
  const HGDIOBJ font = GetCurrentObject(dc, OBJ_FONT);
  const HGDIOBJ brush = GetCurrentObject(dc, OBJ_BRUSH);
  const auto expectAnswer = [&](DWORD stage, int column, LRESULT answer) {
    SetWindowLongPtrA(host->Dialog(), DWLP_MSGRESULT, 12345);
    draw.nmcd.dwDrawStage = stage;
    draw.iSubItem = column;
    EXPECT_EQ(skills.OnCustomDraw(draw), 1);
    EXPECT_EQ(GetWindowLongPtrA(host->Dialog(), DWLP_MSGRESULT), answer) << stage << "," << column;
  };
  expectAnswer(CDDS_PREPAINT, 0, CDRF_NOTIFYSUBITEMDRAW);
  expectAnswer(CDDS_ITEMPREPAINT, 0, CDRF_NOTIFYSUBITEMDRAW);
  // The text cells are painted here; the list draws the step cells.
  for (int column = 0; column < kSkillColumnCount; ++column)
    expectAnswer(CDDS_ITEMPREPAINT | CDDS_SUBITEM, column,
                 column < kColumnFirstStep ? CDRF_SKIPDEFAULT : CDRF_NOTIFYSUBITEMDRAW);
  // Painting left the DC as it was.
  EXPECT_EQ(GetTextColor(dc), RGB(1, 2, 3));
  EXPECT_EQ(GetBkColor(dc), RGB(4, 5, 6));
  EXPECT_EQ(GetBkMode(dc), OPAQUE);
  EXPECT_EQ(GetCurrentObject(dc, OBJ_FONT), font);
  EXPECT_EQ(GetCurrentObject(dc, OBJ_BRUSH), brush);

  SetWindowLongPtrA(host->Dialog(), DWLP_MSGRESULT, 12345);
  draw.nmcd.dwDrawStage = CDDS_POSTPAINT;
  EXPECT_EQ(skills.OnCustomDraw(draw), 0);
  EXPECT_EQ(GetWindowLongPtrA(host->Dialog(), DWLP_MSGRESULT), 12345);

  // The custom draw of another window (the list's own header control) is not ours to answer.
  NMLVCUSTOMDRAW foreign = draw;
  foreign.nmcd.hdr.hwndFrom = reinterpret_cast<HWND>(SendMessageA(host->SkillList(), LVM_GETHEADER, 0, 0));
  foreign.nmcd.dwDrawStage = CDDS_PREPAINT;
  skills.WindowProc(host->SkillList(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&foreign));
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
  // Through the dialog, as the list control sends it.
  draw.nmcd.dwItemSpec = kRowSolo;
  EXPECT_EQ(SendMessageA(host->Dialog(), WM_NOTIFY, IDC_SKILL_LIST, reinterpret_cast<LPARAM>(&draw)),
            CDRF_SKIPDEFAULT);
  EXPECT_EQ(draw.clrText, kHostMasterColor);
  ReleaseDC(host->SkillList(), dc);
}

TEST_F(SkillListViewTest, RefreshTakesTheRowCountAndARowChangeRedrawsOnlyThatRow) {
  HWND list = host->SkillList();
  const int refreshesBefore = host->RefreshTotalCount();
  ASSERT_FALSE(plan.BuildPlan(0x30));  // no such type pair: the plan is left empty
  skills.RefreshRows();
  EXPECT_EQ(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0), 0);
  EXPECT_EQ(host->RefreshTotalCount(), refreshesBefore + 1);
  ASSERT_TRUE(plan.BuildPlan(kTestBunnyBasic));
  skills.RefreshRows();
  EXPECT_EQ(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0), kRowCount);
  EXPECT_EQ(host->RefreshTotalCount(), refreshesBefore + 2);
  host->Show();

  // Raising "need" raises its prerequisite: both rows are redrawn, no other.
  ChangeList changes;
  ASSERT_EQ(plan.StepRowLevel(kRowNeed, Up, changes), 1);
  ASSERT_EQ(changes, (ChangeList{kRowNeed, kRowMaster}));
  skills.requestsByRow.clear();
  const int refreshesBeforeStep = host->RefreshTotalCount();
  for (int row : changes) SendMessageA(list, WM_APP_ROW_CHANGED, 0, row);
  UpdateWindow(list);
  PumpMessages();
  EXPECT_EQ(host->RefreshTotalCount(), refreshesBeforeStep + 2);
  ASSERT_EQ(skills.requestsByRow.size(), 2u);
  EXPECT_GE(skills.requestsByRow[kRowNeed], kSkillColumnCount - 1);
  EXPECT_GE(skills.requestsByRow[kRowMaster], kSkillColumnCount - 1);
  EXPECT_EQ(CellText(list, kRowMaster, kColumnSkillLevel), "2");
}

}  // namespace
