#include <windows.h>

#include <process.h>
#include <tlhelp32.h>
#include <winternl.h>

#include <vector>

#include "tests/skilllist/SkillListFixture.h"
#include "tests/skilllist/StepPressing.h"

namespace {

constexpr COLORREF kNormalGlyph = RGB(0, 0, 128);
constexpr COLORREF kPressedGlyph = RGB(255, 0, 0);

int ProcessThreadCount() {
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
  if (snapshot == INVALID_HANDLE_VALUE) return -1;
  THREADENTRY32 thread{};
  thread.dwSize = sizeof thread;
  int count = 0;
  for (BOOL more = Thread32First(snapshot, &thread); more; more = Thread32Next(snapshot, &thread))
    if (thread.th32OwnerProcessID == GetCurrentProcessId()) ++count;
  CloseHandle(snapshot);
  return count;
}

// GetProcessHandleCount answers 0 under Wine; the system's handle table is
// read instead.
int ProcessHandleCount() {
  constexpr NTSTATUS kInfoLengthMismatch = static_cast<NTSTATUS>(0xC0000004L);
  std::vector<char> buffer(1 << 16);
  NTSTATUS status;
  while ((status = NtQuerySystemInformation(SystemHandleInformation, buffer.data(),
                                            static_cast<ULONG>(buffer.size()), nullptr)) ==
         kInfoLengthMismatch)
    buffer.resize(2 * buffer.size());
  if (status != 0) return -1;
  const auto& table = *reinterpret_cast<const SYSTEM_HANDLE_INFORMATION*>(buffer.data());
  int count = 0;
  for (ULONG i = 0; i < table.Count; ++i)
    if (table.Handle[i].OwnerPid == GetCurrentProcessId()) ++count;
  return count;
}

unsigned __stdcall WaitForEvent(void* event) {
  WaitForSingleObject(static_cast<HANDLE>(event), INFINITE);
  return 0;
}

using StepWorkerLifetimeTest = SkillListFixture;

// The counts below only mean something if they move with the objects.
TEST_F(StepWorkerLifetimeTest, ThreadAndHandleCountsFollowTheirObjects) {
  const int threads = ProcessThreadCount();
  const int handles = ProcessHandleCount();
  HANDLE event = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  EXPECT_EQ(ProcessHandleCount(), handles + 1);
  auto thread =
      reinterpret_cast<HANDLE>(_beginthreadex(nullptr, 0, WaitForEvent, event, 0, nullptr));
  ASSERT_NE(thread, nullptr);
  EXPECT_EQ(ProcessThreadCount(), threads + 1);
  EXPECT_EQ(ProcessHandleCount(), handles + 2);
  SetEvent(event);
  WaitForSingleObject(thread, INFINITE);
  CloseHandle(thread);
  CloseHandle(event);
  EXPECT_EQ(ProcessThreadCount(), threads);
  EXPECT_EQ(ProcessHandleCount(), handles);
}

TEST_F(StepWorkerLifetimeTest, ClosingTheDialogWhileACellIsHeldEndsTheWorker) {
  HWND list = host->SkillList();
  const POINT up = ImagePoint(list, kRowPlain, kUpColumn);
  ClickAt(list, up);  // anything the first worker sets up once is not counted
  const int threads = ProcessThreadCount();
  const int handles = ProcessHandleCount();
  Mouse(list, WM_LBUTTONDOWN, up);
  PumpFor(kRepeatMilliseconds + 100);
  EXPECT_EQ(ProcessThreadCount(), threads + 1);
  const int level = LevelOf(plan, kRowPlain);
  EXPECT_GE(level, 3);

  host.reset();
  EXPECT_EQ(skills.Hwnd(), nullptr);
  EXPECT_EQ(ProcessThreadCount(), threads);
  EXPECT_EQ(ProcessHandleCount(), handles);
  PumpFor(2 * kRepeatMilliseconds);
  EXPECT_EQ(LevelOf(plan, kRowPlain), level);
}

TEST_F(StepWorkerLifetimeTest, ThousandsOfPressesLeaveNoThreadOrHandleAndDrawingWorks) {
  HWND list = host->SkillList();
  const POINT cells[] = {
      ImagePoint(list, kRowPlain, kUpColumn), ImagePoint(list, kRowPlain, kDownColumn),
      ImagePoint(list, kRowMaster, kMaxColumn), ImagePoint(list, kRowMaster, kZeroColumn)};
  ClickAt(list, cells[0]);  // anything the first press sets up once is not counted
  const int threads = ProcessThreadCount();
  const int handles = ProcessHandleCount();

  constexpr int kPresses = 2000;
  for (int press = 0; press < kPresses; ++press) ClickAt(list, cells[press % 4]);
  EXPECT_EQ(ProcessThreadCount(), threads);
  EXPECT_EQ(ProcessHandleCount(), handles);
  EXPECT_EQ(LevelOf(plan, kRowPlain), 1);
  EXPECT_EQ(LevelOf(plan, kRowMaster), 0);

  InvalidateRect(list, nullptr, TRUE);
  host->Show();
  for (int column = kZeroColumn; column <= kMaxColumn; ++column) {
    const RECT cell = CellRect(list, kRowPlain, column);
    EXPECT_GT(CountPixels(list, cell, kNormalGlyph), 0) << column;
    EXPECT_EQ(CountPixels(list, cell, kPressedGlyph), 0) << column;
  }
  EXPECT_GT(CountPixels(list, CellRect(list, kRowPlain, kColumnSkillName), kHostTextColor), 0);
}

}  // namespace
