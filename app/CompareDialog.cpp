#include "app/CompareDialog.h"

#include <commctrl.h>

#include <JapaneseText.h>

#include <iterator>

#include "app/ComparisonText.h"
#include "app/ReportList.h"
#include "res/DialogIds.h"

namespace {

// The skill names and the item names take the width the other columns leave.
constexpr ReportColumn kSkillColumns[] = {{kSkillDifferenceTitles[0], 100, LVCFMT_LEFT},
                                          {kSkillDifferenceTitles[1], 0, LVCFMT_LEFT},
                                          {kSkillDifferenceTitles[2], 60, LVCFMT_CENTER},
                                          {kSkillDifferenceTitles[3], 60, LVCFMT_CENTER},
                                          {kSkillDifferenceTitles[4], 55, LVCFMT_RIGHT}};
constexpr ReportColumn kItemColumns[] = {{kItemDifferenceTitles[0], 0, LVCFMT_LEFT},
                                         {kItemDifferenceTitles[1], 70, LVCFMT_RIGHT},
                                         {kItemDifferenceTitles[2], 70, LVCFMT_RIGHT},
                                         {kItemDifferenceTitles[3], 70, LVCFMT_RIGHT}};

// Each column of the figures in one static text: its title, then a line per figure.
void ShowFigures(HWND dialog, const std::vector<TextRow>& figures) {
  for (int column = 0; column < IDC_COMPARE_FIGURE_COLUMNS; ++column) {
    std::string lines = kFigureTitles[column];
    for (const TextRow& figure : figures) (lines += "\r\n") += figure[column];
    SetDlgItemTextA(dialog, IDC_COMPARE_FIGURES_FIRST + column, lines.c_str());
  }
}

}  // namespace

CompareDialog::CompareDialog(HWND owner, const PlanComparison& comparison)
    : ReportDialog(owner, IDD_COMPARE_DIALOG, kCompareCaption, IDC_COMPARE_COPY),
      comparison(comparison) {}

void CompareDialog::ShowReport() {
  HWND dialog = Hwnd();
  SetDlgItemTextA(dialog, IDC_COMPARE_HEADING_CURRENT,
                  PlanHeading(kCompareCurrent, comparison.current).c_str());
  SetDlgItemTextA(dialog, IDC_COMPARE_HEADING_OTHER,
                  PlanHeading(kCompareOther, comparison.other).c_str());
  ShowFigures(dialog, FigureRows(comparison));
  SetDlgItemTextA(dialog, IDC_COMPARE_NO_DIFFERENCE,
                  comparison.skills.empty() ? kCompareNoDifference : "");
  FillReportList(GetDlgItem(dialog, IDC_COMPARE_SKILLS), kSkillColumns, std::size(kSkillColumns),
                 SkillDifferenceRows(comparison));
  FillReportList(GetDlgItem(dialog, IDC_COMPARE_ITEMS), kItemColumns, std::size(kItemColumns),
                 ItemDifferenceRows(comparison));
}

std::string CompareDialog::ReportText() const { return ComparisonCopyText(comparison); }
