#include "app/ReportDialog.h"

#include "ui/Clipboard.h"

ReportDialog::ReportDialog(HWND owner, WORD templateId, const char* caption, int copyButton)
    : ThemedDialog(owner, templateId, caption), copyButton(copyButton) {}

LRESULT ReportDialog::WindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_INITDIALOG) {
    const LRESULT result = ThemedDialog::WindowProc(window, msg, wParam, lParam);
    ShowReport();
    return result;
  }
  if (msg == WM_COMMAND && LOWORD(wParam) == copyButton && HIWORD(wParam) == BN_CLICKED) {
    Copy();
    return TRUE;
  }
  return ThemedDialog::WindowProc(window, msg, wParam, lParam);
}

UINT ReportDialog::ShortcutCommand(const MSG& message) const {
  const bool onlyControl =
      GetKeyState(VK_CONTROL) < 0 && GetKeyState(VK_SHIFT) >= 0 && GetKeyState(VK_MENU) >= 0;
  return onlyControl && message.wParam == 'C' ? copyButton : 0;
}

void ReportDialog::OnShortcutCommand(UINT command) {
  if (static_cast<int>(command) == copyButton) Copy();
}

void ReportDialog::Copy() const { clipboard::PutText(Hwnd(), ReportText()); }
