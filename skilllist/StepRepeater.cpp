#include "skilllist/StepRepeater.h"

#include <process.h>

#include "plan/GameDatabase.h"
#include "skilllist/ListMessages.h"

namespace {

// The repeat interval, and the slice in which the interface thread waits for
// the worker to end.
constexpr DWORD kRepeatMilliseconds = 300;
constexpr DWORD kWaitSliceMilliseconds = 10;

// Each row is redrawn, with the total, before the next id is sent.
void SendRowChanges(HWND list, const ChangeList& changes) {
  for (std::int32_t id : changes) SendMessageA(list, WM_APP_ROW_CHANGED, 0, id);
}

void PostRowChanges(HWND list, const ChangeList& changes) {
  for (std::int32_t id : changes) PostMessageA(list, WM_APP_ROW_CHANGED, 0, id);
}

}  // namespace

StepRepeater::StepRepeater(HWND listWindow, GameDatabase* plan)
    : stopEvent(CreateEventA(nullptr, TRUE, FALSE, nullptr)),
      doneEvent(CreateEventA(nullptr, TRUE, FALSE, nullptr)),
      listWindow(listWindow),
      plan(plan) {}

StepRepeater::~StepRepeater() { Close(); }

int StepRepeater::Start(int stepRow, int stepOp) {
  if (op != -1) return -1;
  row = stepRow;
  op = stepOp;
  if (!IsRepeatingOp() || !plan) return -1;
  ChangeList changes;
  const int level = plan->StepRowLevel(row, static_cast<LevelOp>(op), changes);
  SendRowChanges(listWindow, changes);
  // Without its events the worker could neither wait nor be stopped: the press
  // then makes its immediate step only.
  if (stopEvent && doneEvent) {
    ResetEvent(stopEvent.Get());
    ResetEvent(doneEvent.Get());
    // A worker that could not be started leaves `worker` empty, so that
    // Finish does not wait for it.
    worker.Reset(
        reinterpret_cast<HANDLE>(_beginthreadex(nullptr, 0, WorkerMain, this, 0, nullptr)));
  }
  return level;
}

void StepRepeater::Finish() {
  if (op == -1) return;
  if (IsRepeatingOp()) {
    StopWorker();
  } else if (plan) {
    ChangeList changes;
    plan->StepRowLevel(row, static_cast<LevelOp>(op), changes);
    PostRowChanges(listWindow, changes);
  }
  row = -1;
  op = -1;
}

void StepRepeater::Close() {
  StopWorker();
  stopEvent.Reset();
  doneEvent.Reset();
  listWindow = nullptr;
  plan = nullptr;
}

bool StepRepeater::IsRepeatingOp() const { return op == Down || op == Up; }

void StepRepeater::StopWorker() {
  if (!worker) return;
  SetEvent(stopEvent.Get());
  // The worker only posts, so it never waits for this thread: the wait lasts
  // at most for the step it is in.
  while (WaitForSingleObject(doneEvent.Get(), kWaitSliceMilliseconds) == WAIT_TIMEOUT) {
  }
  WaitForSingleObject(worker.Get(), INFINITE);
  worker.Reset();
  ResetEvent(stopEvent.Get());
  ResetEvent(doneEvent.Get());
}

// Worker thread: repeats the step every 300 ms until stopEvent is set. Holding
// the cell at a limit posts once, at the first repeat, and then nothing.
unsigned __stdcall StepRepeater::WorkerMain(void* argument) {
  const StepRepeater& repeater = *static_cast<const StepRepeater*>(argument);
  HANDLE stop = repeater.stopEvent.Get();
  HANDLE done = repeater.doneEvent.Get();
  const int row = repeater.row;
  const auto op = static_cast<LevelOp>(repeater.op);
  HWND list = repeater.listWindow;
  GameDatabase* plan = repeater.plan;

  if (WaitForSingleObject(stop, kRepeatMilliseconds) == WAIT_TIMEOUT) {
    ChangeList changes;
    int previous = -1;
    do {
      const int level = plan->StepRowLevel(row, op, changes);
      if (level != previous && !changes.empty()) PostRowChanges(list, changes);
      previous = level;
    } while (WaitForSingleObject(stop, kRepeatMilliseconds) == WAIT_TIMEOUT);
  }
  SetEvent(done);
  return 0;
}
