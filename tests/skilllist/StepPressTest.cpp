// What only the list shows of a press: which rows are redrawn, which cell
// shows pressed, what ends a press, and that presses leave nothing behind.
// The program tests press the real program's cells for timing, releases
// elsewhere and a lost capture.
#include <windows.h>

#include <tlhelp32.h>
#include <winternl.h>

#include <utility>
#include <vector>

#include "tests/skilllist/SkillListFixture.h"

namespace {

using StepPressTest = SkillListFixture;

// Threads and handles of this process. GetProcessHandleCount answers 0 under
// Wine; the system's handle table is read instead.
std::pair<int, int> ThreadsAndHandles() {
  std::pair<int, int> counts{0, 0};
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
  THREADENTRY32 thread{};
  thread.dwSize = sizeof thread;
  for (BOOL more = Thread32First(snapshot, &thread); more; more = Thread32Next(snapshot, &thread))
    counts.first += thread.th32OwnerProcessID == GetCurrentProcessId();
  CloseHandle(snapshot);
  std::vector<char> buffer(1 << 16);
  while (NtQuerySystemInformation(SystemHandleInformation, buffer.data(), buffer.size(), nullptr) ==
         static_cast<NTSTATUS>(0xC0000004L))  // the buffer is too small
    buffer.resize(2 * buffer.size());
  const auto& table = *reinterpret_cast<const SYSTEM_HANDLE_INFORMATION*>(buffer.data());
  for (ULONG i = 0; i < table.Count; ++i)
    counts.second += table.Handle[i].OwnerPid == GetCurrentProcessId();
  return counts;
}

TEST_F(StepPressTest, APressRedrawsTheChangedRowsAndShowsOnlyItsCellPressed) {
  const int refreshes = host->RefreshTotalCount();
  const POINT up = ImagePoint(list, kRowNeed, kUpColumn);
  ClickAt(list, ImagePoint(list, kRowNeed, kColumnSkillName));  // the cursor row, drawn anew
  host->Show();
  skills.requestsByRow.clear();
  Mouse(list, WM_LBUTTONDOWN, up);
  // "need" requires "master" at 2: both rise at once, each row redrawn with the total.
  EXPECT_EQ(Level(kRowNeed), 1);
  EXPECT_EQ(Level(kRowMaster), 2);
  EXPECT_EQ(host->RefreshTotalCount(), refreshes + 2);
  EXPECT_EQ(GetDlgItemInt(host->Dialog(), IDC_TOTAL_LABEL, nullptr, TRUE), 1u + 3u);
  host->Show();
  // Only the two changed rows are asked for their cells again.
  ASSERT_EQ(skills.requestsByRow.size(), 2u);
  EXPECT_GE(skills.requestsByRow[kRowNeed], kSkillColumnCount - 1);
  EXPECT_GE(skills.requestsByRow[kRowMaster], kSkillColumnCount - 1);
  // Only the pressed cell shows pressed: by its image and on screen.
  for (int column = kZeroColumn; column <= kMaxColumn; ++column) {
    const bool pressed = column == kUpColumn;
    EXPECT_EQ(ShowsPressed(kRowNeed, column), pressed) << column;
    EXPECT_EQ(CellPixels(kRowNeed, column, kPressedGlyph) > 0, pressed) << column;
    EXPECT_EQ(CellPixels(kRowNeed, column, kNormalGlyph) > 0, !pressed) << column;
  }
  EXPECT_FALSE(ShowsPressed(kRowMaster, kUpColumn));
  Mouse(list, WM_LBUTTONUP, up);
  host->Show();
  EXPECT_EQ(GetCapture(), nullptr);
  EXPECT_EQ(CellPixels(kRowNeed, kUpColumn, kPressedGlyph), 0);
}

// A press ends for good when the pointer leaves the cell or the rows are
// refreshed (the plan may have been rebuilt under it).
TEST_F(StepPressTest, LeavingTheCellOrARefreshStopsTheRepeatForGood) {
  const POINT up = ImagePoint(list, kRowPlain, kUpColumn);
  for (bool refresh : {false, true}) {
    SCOPED_TRACE(refresh ? "refresh" : "leave");
    const int level = Level(kRowPlain);
    Mouse(list, WM_LBUTTONDOWN, up);
    ASSERT_EQ(Level(kRowPlain), level + 1);
    if (refresh) {
      skills.RefreshRows();
    } else {
      Mouse(list, WM_MOUSEMOVE, ImagePoint(list, kRowPlain, kMaxColumn));
      Mouse(list, WM_MOUSEMOVE, up);  // coming back does not restart
    }
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_FALSE(ShowsPressed(kRowPlain, kUpColumn));
    EXPECT_EQ(RowChangesWhileHolding(3 * kRepeatMilliseconds), 0);
    Mouse(list, WM_LBUTTONUP, up);  // no longer ours
    EXPECT_EQ(Level(kRowPlain), level + 1);
  }
  // The list is pressed as usual afterwards: two quick clicks step twice.
  for (int click = 0; click < 2; ++click) {
    PostMessageA(list, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(up.x, up.y));
    PostMessageA(list, WM_LBUTTONUP, 0, MAKELPARAM(up.x, up.y));
  }
  PumpMessages();
  EXPECT_EQ(Level(kRowPlain), 4);
}

// The list's own selection would paint a row in the highlight colour: it
// stays empty, and clicks off the step images change nothing.
TEST_F(StepPressTest, ClicksOffTheImagesStepNothingAndLeaveNoRowSelected) {
  // A wider step column has an empty label area right of its image.
  SendMessageA(list, LVM_SETCOLUMNWIDTH, kUpColumn, 2 * kStepColumnWidth);
  const RECT wide = CellRect(list, kRowPlain, kUpColumn);
  const std::pair<HWND, POINT> clicks[] = {
      {host->HeaderList(), ImagePoint(host->HeaderList(), 0, kColumnSkillName)},
      {list, ImagePoint(list, kRowPlain, kColumnSkillName)},
      {list, ImagePoint(list, kRowPlain, kColumnPoints)},
      {list, POINT{wide.right - 5, (wide.top + wide.bottom) / 2}}};
  for (const auto& [clicked, point] : clicks) {
    ClickAt(clicked, point);
    EXPECT_EQ(SendMessageA(clicked, LVM_GETNEXTITEM, -1, LVNI_SELECTED), -1) << point.x;
  }
  EXPECT_EQ(skills.rowChanges, 0);
  LVITEMA selected{};
  selected.stateMask = selected.state = LVIS_SELECTED | LVIS_FOCUSED;
  SendMessageA(list, LVM_SETITEMSTATE, kRowOrb, reinterpret_cast<LPARAM>(&selected));
  EXPECT_EQ(SendMessageA(list, LVM_GETNEXTITEM, -1, LVNI_SELECTED), -1);
  EXPECT_EQ(Level(kRowPlain), 0);
}

// Each press's worker and events are gone after it, and closing the list
// while a cell is held ends the worker before the window goes.
TEST_F(StepPressTest, PressesLeaveNoThreadOrHandleAndClosingWhileHeldEndsTheWorker) {
  const POINT cells[] = {
      ImagePoint(list, kRowPlain, kUpColumn), ImagePoint(list, kRowPlain, kDownColumn),
      ImagePoint(list, kRowMaster, kMaxColumn), ImagePoint(list, kRowMaster, kZeroColumn)};
  ClickAt(list, cells[0]);  // anything the first press sets up once is not counted
  const auto counts = ThreadsAndHandles();
  const int rowChanges = skills.rowChanges;
  for (int press = 0; press < 500; ++press) ClickAt(list, cells[press % 4]);
  // Every press stepped its row. A busy machine may let a held "<" repeat
  // once, so plain's level is not counted on; "<<" and ">>" never repeat.
  EXPECT_GE(skills.rowChanges - rowChanges, 500);
  EXPECT_EQ(Level(kRowMaster), 0);
  // Wine itself may hold a handle or two more; a leak per press would be hundreds.
  const auto AfterPresses = [&counts] {
    const auto now = ThreadsAndHandles();
    EXPECT_EQ(now.first, counts.first);
    EXPECT_LE(now.second, counts.second + 4);
  };
  AfterPresses();

  const int held = Level(kRowPlain);
  Mouse(list, WM_LBUTTONDOWN, cells[0]);
  for (const double end = Now() + 5000; Level(kRowPlain) < held + 2 && Now() < end;) PumpFor(20);
  // The counts move with the worker, so that their return below means something.
  EXPECT_EQ(ThreadsAndHandles().first, counts.first + 1);
  const int level = Level(kRowPlain);
  EXPECT_GE(level, held + 2);
  host.reset();
  EXPECT_EQ(skills.Hwnd(), nullptr);
  AfterPresses();
  PumpFor(2 * kRepeatMilliseconds);
  EXPECT_EQ(Level(kRowPlain), level);

  // The same objects serve new lists, with their images.
  host = std::make_unique<ListHost>(header, skills, plan);
  list = host->SkillList();
  EXPECT_GT(CellPixels(0, kColumnFirstStep, kNormalGlyph), 0);
}

}  // namespace
