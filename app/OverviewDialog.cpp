#include "app/OverviewDialog.h"

#include <JapaneseText.h>

#include <string>
#include <utility>

#include "app/OverviewText.h"
#include "res/DialogIds.h"

OverviewDialog::OverviewDialog(HWND owner, PlanOverview overview)
    : ReportDialog(owner, IDD_OVERVIEW_DIALOG, kOverviewCaption, IDC_OVERVIEW_COPY),
      overview(std::move(overview)) {}

void OverviewDialog::ShowReport() {
  int index = 0;
  for (const OverviewFigure& figure : OverviewFigures(overview)) {
    SetDlgItemTextA(Hwnd(), IDC_OVERVIEW_LABEL_FIRST + index, figure.label);
    SetDlgItemTextA(Hwnd(), IDC_OVERVIEW_VALUE_FIRST + index, figure.value.c_str());
    ++index;
  }
  itemList.Attach(GetDlgItem(Hwnd(), IDC_OVERVIEW_ITEMS));
  itemList.Fill(overview.items);
}

std::string OverviewDialog::ReportText() const { return OverviewCopyText(overview); }
