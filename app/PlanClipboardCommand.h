#pragma once

#include <windows.h>

class GameDatabase;
class MainWindow;

// The clipboard's plan commands: the plan copied as plan file text or as a
// table, and plan text pasted in. Both copies put Shift-JIS and Unicode text.
class PlanClipboardCommand {
 public:
  PlanClipboardCommand(MainWindow& window, GameDatabase& plan);

  static bool Handles(UINT id);
  // The copies need a plan with rows; a paste can always be tried.
  static bool CanRun(UINT id, const GameDatabase& plan);
  // Does nothing for a command that cannot run now.
  void Run(UINT id);

 private:
  // All or nothing: text that would not load whole leaves the plan and the
  // window as they were and is reported.
  void Paste();

  MainWindow& window;
  GameDatabase& plan;
};
