// The main window's commands: from the buttons, the keys, the menus and a
// drop; the overview and About dialogs; the question before closing.
#include "app/MainWindow.h"

#include <windowsx.h>

#include <JapaneseText.h>

#include <string>

#include "app/AboutDialog.h"
#include "app/OperatingSystem.h"
#include "app/OverviewDialog.h"
#include "app/PlanClipboardCommand.h"
#include "app/PlanCommands.h"
#include "app/PlanCompareCommand.h"
#include "app/PlanFileCommand.h"
#include "app/PlanPictureCommand.h"

void MainWindow::OnReset() {
  if (!database) return;
  // Also from the keyboard while a step cell is held.
  BeginPlanChange();
  database->ResetLevels();
  skillList.RefreshRows();
}

bool MainWindow::ConfirmClose() {
  if (!database || !database->IsModified()) return true;
  // A second close while the question is open is the same close.
  if (confirmingClose) return false;
  confirmingClose = true;
  BeginPlanChange();
  const int answer = MessageBoxA(Hwnd(), kUnsavedChangesPrompt, kMainDialogCaption,
                                 MB_YESNOCANCEL | MB_ICONWARNING | MB_DEFBUTTON1);
  bool close = answer == IDNO;
  if (answer == IDYES) close = PlanFileCommand(*this, *database).Run(true);
  confirmingClose = false;
  return close;
}

UINT MainWindow::ShortcutCommand(const MSG& message) const {
  if (GetKeyState(VK_CONTROL) >= 0 || GetKeyState(VK_MENU) < 0) return 0;
  return CommandOfShortcut(static_cast<UINT>(message.wParam), GetKeyState(VK_SHIFT) < 0);
}

void MainWindow::RunCommand(UINT id) {
  if (id == kCommandUndo || id == kCommandRedo)
    OnUndoRedo(id == kCommandRedo);
  else if (database && PlanClipboardCommand::Handles(id))
    PlanClipboardCommand(*this, *database).Run(id);
  else if (database && PlanPictureCommand::Handles(id))
    PlanPictureCommand(*this, *database, skillList, pictureFolder).Run(id, ShownSubject());
  else if (database && PlanCompareCommand::Handles(id))
    PlanCompareCommand(*this, *database).Run(id);
  else if (id == kCommandOverview)
    ShowOverview();
  else if (id == kCommandAbout)
    ShowAbout();
  else
    OnCommand(MAKEWPARAM(id, BN_CLICKED),
              reinterpret_cast<LPARAM>(GetDlgItem(Hwnd(), static_cast<int>(id))));
}

bool MainWindow::CanRunCommand(UINT id) const {
  if (!database) return false;
  if (id == kCommandUndo) return database->CanUndo();
  if (id == kCommandRedo) return database->CanRedo();
  if (PlanClipboardCommand::Handles(id)) return PlanClipboardCommand::CanRun(id, *database);
  if (PlanPictureCommand::Handles(id)) return PlanPictureCommand::CanRun(*database);
  if (PlanCompareCommand::Handles(id)) return PlanCompareCommand::CanRun(id, *database);
  if (id == kCommandOverview) return database->GetJobCode() != 0;
  return true;
}

void MainWindow::OnUndoRedo(bool redo) {
  if (!database) return;
  BeginPlanChange();
  if (redo ? database->Redo() : database->Undo()) FollowPlan();
}

void MainWindow::ShowContextMenu(LPARAM position) {
  HMENU menu = CreatePopupMenu();
  if (!menu) return;
  InsertPlanCommandItems(menu, 0, false);
  EnablePlanCommandItems(menu, [this](UINT id) { return CanRunCommand(id); });
  POINT at{GET_X_LPARAM(position), GET_Y_LPARAM(position)};
  // From the keyboard (Shift+F10, the menu key) it opens at the cursor row.
  if (position == -1) at = skillList.CursorRowPoint();
  const UINT command =
      TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON, at.x, at.y, 0, Hwnd(), nullptr);
  DestroyMenu(menu);
  if (command) RunCommand(command);
}

void MainWindow::OnDropFiles(HDROP drop) {
  std::string path;
  if (TakeFirstDroppedFile(drop, path) && database)
    PlanFileCommand(*this, *database).Open(path.c_str());
}

void MainWindow::ShowOverview() {
  // Also from Ctrl+I, which the menu's greying does not stop.
  if (!CanRunCommand(kCommandOverview)) return;
  // Its dialog takes the mouse: a held press ends first, as before a change.
  BeginPlanChange();
  OverviewDialog(Hwnd(), database->Overview()).Run(true, true);
}

void MainWindow::ShowAbout() {
  AboutDialog(Hwnd(), database ? database->skillCount() : 0,
              database ? database->droppedLineCount() : 0)
      .Run(true, true);
}
