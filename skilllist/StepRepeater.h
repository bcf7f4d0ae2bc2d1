#pragma once

#include <windows.h>

#include "ui/OwnedHandle.h"

class GameDatabase;

// One press of a step cell. "<<" and ">>" step once, when the press is
// finished over the cell; "<" and ">" step at once and then every 300 ms on a
// worker thread until the press is finished. The worker reaches the list only
// by posting WM_APP_ROW_CHANGED, so the interface thread may wait for it.
class StepRepeater {
 public:
  StepRepeater(HWND listWindow, GameDatabase* plan);
  // Stops and joins a worker still running.
  ~StepRepeater();
  StepRepeater(const StepRepeater&) = delete;
  StepRepeater& operator=(const StepRepeater&) = delete;

  // Begins the press of op on row. "<" and ">" step at once (the list is sent
  // WM_APP_ROW_CHANGED per changed row) and start the worker; the result is
  // the level after that step, else -1.
  int Start(int row, int op);
  // "<<" and ">>": makes the step. "<" and ">": stops the worker and waits
  // until it has ended.
  void Finish();
  // Joins a worker still running, then closes the events and forgets the
  // window and the plan.
  void Close();

 private:
  static unsigned __stdcall WorkerMain(void* repeater);
  bool IsRepeatingOp() const;
  // Has the worker end and joins it; nothing when none runs.
  void StopWorker();

  OwnedKernelObject stopEvent;
  OwnedKernelObject doneEvent;
  int row = -1;
  int op = -1;
  HWND listWindow = nullptr;
  GameDatabase* plan = nullptr;
  // The worker, kept to be joined; none when it was never started or could not be.
  OwnedKernelObject worker;
};
