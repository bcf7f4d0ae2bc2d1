#pragma once

#include <windows.h>

#include <string>

#include "app/ThemedDialog.h"

// A themed dialog showing a report, which it fills once it is initialised,
// and which its copy button, and Ctrl+C, put on the clipboard as text.
class ReportDialog : public ThemedDialog {
 public:
  ReportDialog(HWND owner, WORD templateId, const char* caption, int copyButton);

  LRESULT WindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) override;
  // Ctrl+C copies, as the copy button does.
  UINT ShortcutCommand(const MSG& message) const override;
  void OnShortcutCommand(UINT command) override;

 protected:
  // Fills the dialog's controls, once they have the theme.
  virtual void ShowReport() = 0;
  // The report as the clipboard gets it.
  virtual std::string ReportText() const = 0;

 private:
  void Copy() const;

  int copyButton;
};
