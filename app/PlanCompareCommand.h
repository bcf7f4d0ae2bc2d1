#pragma once

#include <windows.h>

#include "plan/PlanComparison.h"

class GameDatabase;
class MainWindow;

// The comparisons of the plan with another: from a plan file, from the
// clipboard's text, or with the plan as last saved or loaded. The other plan
// must be one that a load or a paste would take; the comparison then opens
// over the main window. Nothing of the current plan changes.
class PlanCompareCommand {
 public:
  PlanCompareCommand(MainWindow& window, GameDatabase& plan);

  static bool Handles(UINT id);
  // Each needs a plan with rows; the saved plan's, one that differs from it.
  static bool CanRun(UINT id, const GameDatabase& plan);
  // Does nothing for a command that cannot run now.
  void Run(UINT id);

 private:
  // The other plan against the current one; false after a cancelled file
  // dialog, or after the box that refuses the file or the text.
  bool Compare(UINT id, PlanComparison& comparison);

  MainWindow& window;
  GameDatabase& plan;
};
