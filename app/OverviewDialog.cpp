#include "app/OverviewDialog.h"

#include <JapaneseText.h>

#include <string>
#include <utility>

#include "app/OverviewText.h"
#include "res/DialogIds.h"
#include "ui/Clipboard.h"

OverviewDialog::OverviewDialog(HWND owner, PlanOverview overview)
    : ThemedDialog(owner, IDD_OVERVIEW_DIALOG, kOverviewCaption), overview(std::move(overview)) {}

LRESULT OverviewDialog::WindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_INITDIALOG) {
    const LRESULT result = ThemedDialog::WindowProc(window, msg, wParam, lParam);
    ShowFigures();
    itemList.Attach(GetDlgItem(window, IDC_OVERVIEW_ITEMS));
    itemList.Fill(overview.items);
    return result;
  }
  if (msg == WM_COMMAND && LOWORD(wParam) == IDC_OVERVIEW_COPY && HIWORD(wParam) == BN_CLICKED) {
    Copy();
    return TRUE;
  }
  return ThemedDialog::WindowProc(window, msg, wParam, lParam);
}

void OverviewDialog::ShowFigures() const {
  int index = 0;
  for (const OverviewFigure& figure : OverviewFigures(overview)) {
    SetDlgItemTextA(Hwnd(), IDC_OVERVIEW_LABEL_FIRST + index, figure.label);
    SetDlgItemTextA(Hwnd(), IDC_OVERVIEW_VALUE_FIRST + index, figure.value.c_str());
    ++index;
  }
}

UINT OverviewDialog::ShortcutCommand(const MSG& message) const {
  const bool onlyControl =
      GetKeyState(VK_CONTROL) < 0 && GetKeyState(VK_SHIFT) >= 0 && GetKeyState(VK_MENU) >= 0;
  return onlyControl && message.wParam == 'C' ? IDC_OVERVIEW_COPY : 0;
}

void OverviewDialog::OnShortcutCommand(UINT command) {
  if (command == IDC_OVERVIEW_COPY) Copy();
}

void OverviewDialog::Copy() const { clipboard::PutText(Hwnd(), OverviewCopyText(overview)); }
