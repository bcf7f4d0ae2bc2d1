#include "app/CompareDialog.h"

#include <commctrl.h>

#include <JapaneseText.h>

#include <utility>

#include "app/ComparisonText.h"
#include "app/ReportList.h"
#include "res/DialogIds.h"

namespace {

// The skill names and the item names take the width the other columns leave.
const std::vector<ReportColumn> kSkillColumns = {{100, LVCFMT_LEFT},
                                                 {0, LVCFMT_LEFT},
                                                 {60, LVCFMT_CENTER},
                                                 {60, LVCFMT_CENTER},
                                                 {55, LVCFMT_RIGHT}};
const std::vector<ReportColumn> kItemColumns = {
    {0, LVCFMT_LEFT}, {70, LVCFMT_RIGHT}, {70, LVCFMT_RIGHT}, {70, LVCFMT_RIGHT}};

void ShowGridRow(HWND dialog, int row, const TextRow& cells) {
  for (int column = 0; column < IDC_COMPARE_GRID_COLUMNS; ++column) {
    SetDlgItemTextA(dialog, IDC_COMPARE_GRID_FIRST + IDC_COMPARE_GRID_COLUMNS * row + column,
                    cells[column].c_str());
  }
}

}  // namespace

CompareDialog::CompareDialog(HWND owner, PlanComparison comparison)
    : ReportDialog(owner, IDD_COMPARE_DIALOG, kCompareCaption, IDC_COMPARE_COPY),
      comparison(std::move(comparison)) {}

void CompareDialog::ShowReport() {
  HWND dialog = Hwnd();
  SetDlgItemTextA(dialog, IDC_COMPARE_HEADING_CURRENT,
                  PlanHeading(kCompareCurrent, comparison.current).c_str());
  SetDlgItemTextA(dialog, IDC_COMPARE_HEADING_OTHER,
                  PlanHeading(kCompareOther, comparison.other).c_str());
  ShowGridRow(dialog, 0, FigureTitles());
  int row = 1;
  for (const TextRow& figure : FigureRows(comparison)) ShowGridRow(dialog, row++, figure);
  SetDlgItemTextA(dialog, IDC_COMPARE_NO_DIFFERENCE,
                  comparison.skills.empty() ? kCompareNoDifference : "");
  FillReportList(GetDlgItem(dialog, IDC_COMPARE_SKILLS), SkillDifferenceTitles(), kSkillColumns,
                 SkillDifferenceRows(comparison));
  FillReportList(GetDlgItem(dialog, IDC_COMPARE_ITEMS), ItemDifferenceTitles(), kItemColumns,
                 ItemDifferenceRows(comparison));
}

std::string CompareDialog::ReportText() const { return ComparisonCopyText(comparison); }
