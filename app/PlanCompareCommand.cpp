#include "app/PlanCompareCommand.h"

#include <JapaneseText.h>

#include <string>

#include "app/CompareDialog.h"
#include "app/ErrorBox.h"
#include "app/MainWindow.h"
#include "app/PlanCommands.h"
#include "app/PlanFileCommand.h"
#include "plan/GameDatabase.h"
#include "ui/Clipboard.h"

PlanCompareCommand::PlanCompareCommand(MainWindow& window, GameDatabase& plan)
    : window(window), plan(plan) {}

bool PlanCompareCommand::Handles(UINT id) {
  return id == kCommandCompareFile || id == kCommandCompareClipboard || id == kCommandCompareSaved;
}

bool PlanCompareCommand::CanRun(UINT id, const GameDatabase& plan) {
  return Handles(id) && plan.RowCount() > 0 && (id != kCommandCompareSaved || plan.IsModified());
}

void PlanCompareCommand::Run(UINT id) {
  if (!CanRun(id, plan)) return;
  // Its dialogs take the mouse: a held press ends first, as before a change.
  window.BeginPlanChange();
  PlanComparison comparison;
  if (Compare(id, comparison)) CompareDialog(window.Hwnd(), comparison).Run(true, true);
}

// Refused as a load or a paste of the same plan would be, with the same box.
bool PlanCompareCommand::Compare(UINT id, PlanComparison& comparison) {
  if (id == kCommandCompareSaved) {
    plan.CompareSavedPlan(comparison);
    return true;
  }
  if (id == kCommandCompareClipboard) {
    std::string text;
    if (clipboard::GetText(window.Hwnd(), GameDatabase::kPasteLimit, text) &&
        plan.ComparePastedPlan(text, comparison))
      return true;
    ShowErrorBox(window.Hwnd(), kPasteRefused);
    return false;
  }
  std::string path;
  if (!PlanFileCommand(window, plan).AskOpenPath(kCompareOpenTitle, path)) return false;
  if (plan.ComparePlanFile(path.c_str(), comparison)) return true;
  ShowErrorBox(window.Hwnd(), kPlanFileLoadError);
  return false;
}
