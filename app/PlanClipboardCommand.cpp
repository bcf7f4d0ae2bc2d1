#include "app/PlanClipboardCommand.h"

#include <JapaneseText.h>

#include <string>

#include "app/ErrorBox.h"
#include "app/MainWindow.h"
#include "app/PlanCommands.h"
#include "plan/GameDatabase.h"
#include "skilllist/PlanTableText.h"
#include "ui/Clipboard.h"

PlanClipboardCommand::PlanClipboardCommand(MainWindow& window, GameDatabase& plan)
    : window(window), plan(plan) {}

bool PlanClipboardCommand::Handles(UINT id) {
  return id == kCommandCopyPlan || id == kCommandCopyTable || id == kCommandPastePlan;
}

bool PlanClipboardCommand::CanRun(UINT id, const GameDatabase& plan) {
  return id == kCommandPastePlan || (Handles(id) && plan.RowCount() > 0);
}

void PlanClipboardCommand::Run(UINT id) {
  if (!CanRun(id, plan)) return;
  if (id == kCommandPastePlan)
    Paste();
  else
    clipboard::PutText(window.Hwnd(),
                       id == kCommandCopyTable ? PlanTableText(plan) : plan.PlanFileText());
}

void PlanClipboardCommand::Paste() {
  window.BeginPlanChange();
  std::string text;
  if (clipboard::GetText(window.Hwnd(), GameDatabase::kPasteLimit, text) && plan.PastePlan(text)) {
    window.FollowPlan();
    return;
  }
  ShowErrorBox(window.Hwnd(), kPasteRefused);
}
