#include "app/AboutDialog.h"

#include <JapaneseText.h>

#include <string>

#include "app/VersionTitle.h"
#include "res/DialogIds.h"

AboutDialog::AboutDialog(HWND owner, int skillCount, int droppedLines)
    : ThemedDialog(owner, IDD_ABOUT_DIALOG, kAboutCaption),
      skillCount(skillCount),
      droppedLines(droppedLines) {}

LRESULT AboutDialog::WindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg != WM_INITDIALOG) return ThemedDialog::WindowProc(window, msg, wParam, lParam);
  const LRESULT result = ThemedDialog::WindowProc(window, msg, wParam, lParam);
  // The version as the main window's title shows it.
  const std::string version = "Version " + DottedVersion(ProgramFileVersion());
  const std::string skills = kAboutSkillCount + std::to_string(skillCount);
  const std::string dropped = kAboutDroppedLines + std::to_string(droppedLines);
  SetDlgItemTextA(window, IDC_ABOUT_NAME, kMainDialogCaption);
  SetDlgItemTextA(window, IDC_ABOUT_VERSION, version.c_str());
  SetDlgItemTextA(window, IDC_ABOUT_SKILLS, skills.c_str());
  SetDlgItemTextA(window, IDC_ABOUT_DROPPED, dropped.c_str());
  SetDlgItemTextA(window, IDC_ABOUT_HINT, droppedLines > 0 ? kAboutDroppedHint : "");
  return result;
}
