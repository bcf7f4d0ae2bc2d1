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

TEST_F(StepPressTest, UpRaisesWithPrerequisitesAndDownClearsTheSkillsThatRequireMore) {
  const int refreshes = host->RefreshTotalCount();
  const POINT up = ImagePoint(list, kRowNeed, kUpColumn);
  skills.requestsByRow.clear();
  Mouse(list, WM_LBUTTONDOWN, up);
  // "need" requires "master" at 2: both rise at once, each row redrawn with the total.
  EXPECT_EQ(Level(kRowNeed), 1);
  EXPECT_EQ(Level(kRowMaster), 2);
  EXPECT_EQ(host->RefreshTotalCount(), refreshes + 2);
  EXPECT_EQ(plan.TotalPoints(), 1 + 3);
  EXPECT_EQ(ShownTotal(), plan.TotalPoints());
  EXPECT_EQ(GetCapture(), list);
  host->Show();
  // Only the two changed rows are asked for their cells again.
  ASSERT_EQ(skills.requestsByRow.size(), 2u);
  EXPECT_GE(skills.requestsByRow[kRowNeed], kSkillColumnCount - 1);
  EXPECT_GE(skills.requestsByRow[kRowMaster], kSkillColumnCount - 1);
  EXPECT_EQ(CellText(list, kRowMaster, kColumnSkillLevel), "2");
  // Only the pressed cell shows pressed: by its image and on screen.
  EXPECT_FALSE(ShowsPressed(kRowMaster, kUpColumn));
  for (int column = kZeroColumn; column <= kMaxColumn; ++column) {
    const bool pressed = column == kUpColumn;
    const RECT cell = CellRect(list, kRowNeed, column);
    EXPECT_EQ(ShowsPressed(kRowNeed, column), pressed) << column;
    EXPECT_EQ(CountPixels(list, cell, kPressedGlyph) > 0, pressed) << column;
    EXPECT_EQ(CountPixels(list, cell, kNormalGlyph) > 0, !pressed) << column;
  }
  Mouse(list, WM_LBUTTONUP, up);
  host->Show();
  EXPECT_EQ(GetCapture(), nullptr);
  EXPECT_FALSE(ShowsPressed(kRowNeed, kUpColumn));
  EXPECT_EQ(CountPixels(list, CellRect(list, kRowNeed, kUpColumn), kPressedGlyph), 0);
  EXPECT_EQ(Level(kRowNeed), 1);

  const int changes = skills.rowChanges;
  ClickAt(list, ImagePoint(list, kRowMaster, kDownColumn));
  EXPECT_EQ(Level(kRowMaster), 1);
  EXPECT_EQ(Level(kRowNeed), 0);
  EXPECT_EQ(skills.rowChanges - changes, 2);
  EXPECT_EQ(CellText(list, kRowNeed, kColumnSkillLevel), "0");
  EXPECT_EQ(ShownTotal(), plan.TotalPoints());
}

TEST_F(StepPressTest, HoldingUpRepeatsOneLevelAtATimeAndFallsSilentAtTheMaximum) {
  Step(kRowPlain, Up, 5);
  const POINT up = ImagePoint(list, kRowPlain, kUpColumn);
  std::vector<int> levels{Level(kRowPlain)};
  const auto watch = [&] {
    if (Level(kRowPlain) != levels.back()) levels.push_back(Level(kRowPlain));
  };
  const double start = Now();
  Mouse(list, WM_LBUTTONDOWN, up);
  watch();
  PumpFor(1300, watch);
  // The immediate step and at least two repeats within a little over a
  // second, never more than one per 300 ms (one spare for a late look at the
  // clock).
  const int steps = static_cast<int>(levels.size()) - 1;
  EXPECT_GE(steps, 3);
  EXPECT_LE(steps, 1 + static_cast<int>((Now() - start) / kRepeatMilliseconds) + 1);

  for (const double end = Now() + 5000; levels.back() < kPlainMax && Now() < end;)
    PumpFor(10, watch);
  for (std::size_t i = 1; i < levels.size(); ++i) EXPECT_EQ(levels[i], levels[i - 1] + 1) << i;
  ASSERT_EQ(levels.back(), kPlainMax);

  // The step to the maximum is still drawn; after it nothing more is.
  PumpFor(100);
  skills.requestsByRow.clear();
  EXPECT_EQ(RowChangesWhileHolding(3 * kRepeatMilliseconds), 0);
  EXPECT_EQ(skills.requestsByRow.count(kRowPlain), 0u);
  EXPECT_EQ(Level(kRowPlain), kPlainMax);
  EXPECT_TRUE(ShowsPressed(kRowPlain, kUpColumn));
  Mouse(list, WM_LBUTTONUP, up);
  EXPECT_FALSE(ShowsPressed(kRowPlain, kUpColumn));
}

TEST_F(StepPressTest, ZeroAndMaxStepOnlyOnAReleaseOverThePressedImage) {
  const POINT max = ImagePoint(list, kRowPlain, kMaxColumn);
  const POINT zero = ImagePoint(list, kRowPlain, kZeroColumn);
  const POINT nearMax{max.x + 15, max.y - 3};
  const POINT out = ImagePoint(list, kRowPlain, kDownColumn);
  // The image is a pixel shorter than the row.
  const POINT belowZero{zero.x, CellRect(list, kRowPlain, kZeroColumn).bottom - 1};
  struct Press {
    POINT down, move, moveBack, up;
    int level;
  };
  const Press presses[] = {{max, max, max, ImagePoint(list, kRowOrb, kMaxColumn), 0},
                           {max, nearMax, nearMax, nearMax, kPlainMax},
                           {zero, out, zero, zero, kPlainMax},
                           {zero, zero, zero, belowZero, kPlainMax}};
  for (const Press& press : presses) {
    SCOPED_TRACE(&press - presses);
    const int column = press.down.x == max.x ? kMaxColumn : kZeroColumn;
    Mouse(list, WM_LBUTTONDOWN, press.down);
    EXPECT_TRUE(ShowsPressed(kRowPlain, column));
    EXPECT_EQ(RowChangesWhileHolding(20), 0);
    Mouse(list, WM_MOUSEMOVE, press.move);
    Mouse(list, WM_MOUSEMOVE, press.moveBack);
    Mouse(list, WM_LBUTTONUP, press.up);
    PumpMessages();
    EXPECT_FALSE(ShowsPressed(kRowPlain, column));
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(Level(kRowPlain), press.level);
    EXPECT_EQ(Level(kRowOrb), 0);
  }
  EXPECT_EQ(CellText(list, kRowPlain, kColumnSkillLevel), "Master!");
}

TEST_F(StepPressTest, LeavingTheCellLosingTheCaptureOrARefreshStopsTheRepeatForGood) {
  const POINT up = ImagePoint(list, kRowPlain, kUpColumn);
  for (int ending = 0; ending < 3; ++ending) {
    SCOPED_TRACE(ending);
    Mouse(list, WM_LBUTTONDOWN, up);
    ASSERT_EQ(Level(kRowPlain), ending + 1);
    if (ending == 0) {
      Mouse(list, WM_MOUSEMOVE, ImagePoint(list, kRowPlain, kMaxColumn));
      EXPECT_EQ(GetCapture(), nullptr);
      Mouse(list, WM_MOUSEMOVE, up);  // coming back does not restart
    } else if (ending == 1) {
      SetCapture(host->Dialog());
      PumpMessages();
      EXPECT_EQ(GetCapture(), host->Dialog());  // the new holder keeps it
    } else {
      skills.RefreshRows();
      EXPECT_EQ(GetCapture(), nullptr);
    }
    EXPECT_FALSE(ShowsPressed(kRowPlain, kUpColumn));
    EXPECT_EQ(RowChangesWhileHolding(3 * kRepeatMilliseconds), 0);
    Mouse(list, WM_LBUTTONUP, up);  // no longer ours
    ReleaseCapture();
    EXPECT_EQ(Level(kRowPlain), ending + 1);
  }
  // The list is pressed as usual afterwards: two quick clicks step twice.
  for (int click = 0; click < 2; ++click) {
    PostMessageA(list, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(up.x, up.y));
    PostMessageA(list, WM_LBUTTONUP, 0, MAKELPARAM(up.x, up.y));
  }
  PumpMessages();
  EXPECT_EQ(Level(kRowPlain), 5);
}

TEST_F(StepPressTest, ClicksOffTheImagesStepNothingAndLeaveNoRowSelected) {
  HWND titles = host->HeaderList();
  // A wider step column has an empty label area right of its image.
  SendMessageA(list, LVM_SETCOLUMNWIDTH, kUpColumn, 2 * kStepColumnWidth);
  const RECT wide = CellRect(list, kRowPlain, kUpColumn);
  const std::pair<HWND, POINT> clicks[] = {
      {titles, ImagePoint(titles, 0, kColumnSkillName)},
      {list, ImagePoint(list, kRowPlain, kColumnSkillName)},
      {list, ImagePoint(list, kRowPlain, kColumnSkillLevel)},
      {list, ImagePoint(list, kRowPlain, kColumnPoints)},
      {list, POINT{wide.right - 5, (wide.top + wide.bottom) / 2}}};
  for (const auto& [clicked, point] : clicks) {
    ClickAt(clicked, point);
    EXPECT_EQ(SendMessageA(clicked, LVM_GETNEXTITEM, -1, LVNI_SELECTED), -1) << point.x;
    EXPECT_EQ(SendMessageA(clicked, LVM_GETNEXTITEM, -1, LVNI_FOCUSED), -1) << point.x;
  }
  EXPECT_EQ(Level(kRowPlain), 0);
  EXPECT_EQ(skills.rowChanges, 0);
  // A selection set directly is taken back as well.
  LVITEMA selected{};
  selected.stateMask = selected.state = LVIS_SELECTED | LVIS_FOCUSED;
  SendMessageA(list, LVM_SETITEMSTATE, kRowOrb, reinterpret_cast<LPARAM>(&selected));
  EXPECT_EQ(SendMessageA(list, LVM_GETNEXTITEM, -1, LVNI_SELECTED), -1);
  EXPECT_EQ(SendMessageA(list, LVM_GETNEXTITEM, -1, LVNI_FOCUSED), -1);

  ClickAt(list, ImagePoint(list, kRowPlain, kUpColumn));
  EXPECT_EQ(Level(kRowPlain), 1);
}

TEST_F(StepPressTest, PressesLeaveNoThreadOrHandleAndClosingWhileHeldEndsTheWorker) {
  const POINT cells[] = {
      ImagePoint(list, kRowPlain, kUpColumn), ImagePoint(list, kRowPlain, kDownColumn),
      ImagePoint(list, kRowMaster, kMaxColumn), ImagePoint(list, kRowMaster, kZeroColumn)};
  ClickAt(list, cells[0]);  // anything the first press sets up once is not counted
  const auto counts = ThreadsAndHandles();
  for (int press = 0; press < 500; ++press) ClickAt(list, cells[press % 4]);
  EXPECT_EQ(ThreadsAndHandles(), counts);
  EXPECT_EQ(Level(kRowPlain), 1);
  EXPECT_EQ(Level(kRowMaster), 0);
  Repaint();
  for (int column = kZeroColumn; column <= kMaxColumn; ++column) {
    const RECT cell = CellRect(list, kRowPlain, column);
    EXPECT_GT(CountPixels(list, cell, kNormalGlyph), 0) << column;
    EXPECT_EQ(CountPixels(list, cell, kPressedGlyph), 0) << column;
  }
  EXPECT_GT(CountPixels(list, CellRect(list, kRowPlain, kColumnSkillName), kHostTextColor), 0);

  Mouse(list, WM_LBUTTONDOWN, cells[0]);
  PumpFor(kRepeatMilliseconds + 100);
  // The counts move with the worker, so that their return below means something.
  EXPECT_EQ(ThreadsAndHandles().first, counts.first + 1);
  EXPECT_GT(ThreadsAndHandles().second, counts.second);
  const int level = Level(kRowPlain);
  EXPECT_GE(level, 3);
  host.reset();
  EXPECT_EQ(skills.Hwnd(), nullptr);
  EXPECT_EQ(ThreadsAndHandles(), counts);
  PumpFor(2 * kRepeatMilliseconds);
  EXPECT_EQ(Level(kRowPlain), level);

  // The same objects serve new lists, with their images.
  host = std::make_unique<ListHost>(header, skills, plan);
  list = host->SkillList();
  EXPECT_GT(CountPixels(list, CellRect(list, 0, kColumnFirstStep), kNormalGlyph), 0);
}

}  // namespace
