#include "app/OverviewDialog.h"

#include <JapaneseText.h>

#include <string>
#include <utility>

#include "app/OverviewText.h"
#include "res/DialogIds.h"

OverviewDialog::OverviewDialog(HWND owner, PlanOverview overview)
    : ReportDialog(owner, IDD_OVERVIEW_DIALOG, kOverviewCaption, IDC_OVERVIEW_COPY),
      overview(std::move(overview)) {}

LRESULT OverviewDialog::WindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_INITDIALOG) {
    const LRESULT result = ReportDialog::WindowProc(window, msg, wParam, lParam);
    ShowFigures();
    itemList.Attach(GetDlgItem(window, IDC_OVERVIEW_ITEMS));
    itemList.Fill(overview.items);
    return result;
  }
  return ReportDialog::WindowProc(window, msg, wParam, lParam);
}

void OverviewDialog::ShowFigures() const {
  int index = 0;
  for (const OverviewFigure& figure : OverviewFigures(overview)) {
    SetDlgItemTextA(Hwnd(), IDC_OVERVIEW_LABEL_FIRST + index, figure.label);
    SetDlgItemTextA(Hwnd(), IDC_OVERVIEW_VALUE_FIRST + index, figure.value.c_str());
    ++index;
  }
}

std::string OverviewDialog::ReportText() const { return OverviewCopyText(overview); }
