#include <vector>

#include "skilllist/StepImageList.h"
#include "tests/skilllist/SkillListFixture.h"
#include "tests/skilllist/StepPressing.h"

namespace {

constexpr COLORREF kPressedGlyph = RGB(255, 0, 0);
constexpr int kPlainMax = 11;

class StepPressTest : public SkillListFixture {
 protected:
  int Level(int row) const { return LevelOf(plan, row); }
  bool ShowsPressed(int row, int column) const {
    return CellImage(host->SkillList(), row, column) == StepImageIndex(row, column, true);
  }
  int ShownTotal() const {
    return static_cast<int>(GetDlgItemInt(host->Dialog(), IDC_TOTAL_LABEL, nullptr, TRUE));
  }
  // Holds on for the time and returns how many rows the list was told of.
  int RowChangesWhileHolding(double milliseconds) {
    const int before = skills.rowChanges;
    PumpFor(milliseconds);
    return skills.rowChanges - before;
  }
};

TEST_F(StepPressTest, UpRaisesAtOnceWithPrerequisitesAndShowsOnlyThePressedCellPressed) {
  HWND list = host->SkillList();
  const int refreshesBefore = host->RefreshTotalCount();
  const POINT up = ImagePoint(list, kRowNeed, kUpColumn);
  Mouse(list, WM_LBUTTONDOWN, up);

  // "need" requires "master" at 2: both rise, each row redrawn with the total.
  EXPECT_EQ(Level(kRowNeed), 1);
  EXPECT_EQ(Level(kRowMaster), 2);
  EXPECT_EQ(host->RefreshTotalCount(), refreshesBefore + 2);
  EXPECT_EQ(ShownTotal(), plan.TotalPoints());
  EXPECT_EQ(plan.TotalPoints(), 1 + 3);
  EXPECT_EQ(GetCapture(), list);
  host->Show();
  EXPECT_EQ(CellText(list, kRowMaster, kColumnSkillLevel), "2");
  for (int column = kZeroColumn; column <= kMaxColumn; ++column) {
    const bool pressed = column == kUpColumn;
    EXPECT_EQ(ShowsPressed(kRowNeed, column), pressed) << column;
    EXPECT_EQ(CountPixels(list, CellRect(list, kRowNeed, column), kPressedGlyph) > 0, pressed)
        << column;
  }

  Mouse(list, WM_LBUTTONUP, up);
  host->Show();
  EXPECT_EQ(GetCapture(), nullptr);
  EXPECT_FALSE(ShowsPressed(kRowNeed, kUpColumn));
  EXPECT_EQ(CountPixels(list, CellRect(list, kRowNeed, kUpColumn), kPressedGlyph), 0);
  EXPECT_EQ(Level(kRowNeed), 1);
}

TEST_F(StepPressTest, DownClearsTheSkillsThatRequireMore) {
  Step(kRowNeed, Up);  // "master" to 2 with it
  HWND list = host->SkillList();
  const POINT down = ImagePoint(list, kRowMaster, kDownColumn);
  const int changesBefore = skills.rowChanges;
  Mouse(list, WM_LBUTTONDOWN, down);
  Mouse(list, WM_LBUTTONUP, down);
  EXPECT_EQ(Level(kRowMaster), 1);
  EXPECT_EQ(Level(kRowNeed), 0);
  EXPECT_EQ(skills.rowChanges - changesBefore, 2);
  EXPECT_EQ(CellText(list, kRowNeed, kColumnSkillLevel), "0");
  EXPECT_EQ(ShownTotal(), plan.TotalPoints());
}

TEST_F(StepPressTest, HoldingUpRepeatsOneLevelAtATimeAndFallsSilentAtTheMaximum) {
  Step(kRowPlain, Up, 5);
  HWND list = host->SkillList();
  const POINT up = ImagePoint(list, kRowPlain, kUpColumn);
  std::vector<int> levels{Level(kRowPlain)};
  const auto watch = [&] {
    if (Level(kRowPlain) != levels.back()) levels.push_back(Level(kRowPlain));
  };

  const Stopwatch held;
  Mouse(list, WM_LBUTTONDOWN, up);
  watch();
  PumpFor(1000, watch);
  // The immediate step and at least two repeats, never more than one per
  // 300 ms (one spare for a late look at the clock).
  const int steps = static_cast<int>(levels.size()) - 1;
  EXPECT_GE(steps, 3);
  EXPECT_LE(steps, 1 + static_cast<int>(held.Elapsed() / kRepeatMilliseconds) + 1);

  const Stopwatch untilMax;
  while (levels.back() < kPlainMax && untilMax.Elapsed() < 5000) PumpFor(10, watch);
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
  HWND list = host->SkillList();
  const POINT max = ImagePoint(list, kRowPlain, kMaxColumn);

  // Released over another row's cell: no step anywhere.
  Mouse(list, WM_LBUTTONDOWN, max);
  EXPECT_TRUE(ShowsPressed(kRowPlain, kMaxColumn));
  EXPECT_EQ(RowChangesWhileHolding(50), 0);
  EXPECT_EQ(Level(kRowPlain), 0);
  Mouse(list, WM_LBUTTONUP, ImagePoint(list, kRowOrb, kMaxColumn));
  EXPECT_FALSE(ShowsPressed(kRowPlain, kMaxColumn));
  EXPECT_EQ(Level(kRowPlain), 0);
  EXPECT_EQ(Level(kRowOrb), 0);
  EXPECT_EQ(GetCapture(), nullptr);

  // A move inside the cell keeps the press; the release over it steps.
  Mouse(list, WM_LBUTTONDOWN, max);
  Mouse(list, WM_MOUSEMOVE, POINT{max.x + 15, max.y - 3});
  EXPECT_TRUE(ShowsPressed(kRowPlain, kMaxColumn));
  Mouse(list, WM_LBUTTONUP, POINT{max.x + 15, max.y - 3});
  PumpMessages();
  EXPECT_EQ(Level(kRowPlain), kPlainMax);
  EXPECT_EQ(CellText(list, kRowPlain, kColumnSkillLevel), "Master!");

  // Leaving the cell cancels; coming back and releasing over it does nothing.
  const POINT zero = ImagePoint(list, kRowPlain, kZeroColumn);
  Mouse(list, WM_LBUTTONDOWN, zero);
  Mouse(list, WM_MOUSEMOVE, ImagePoint(list, kRowPlain, kDownColumn));
  EXPECT_FALSE(ShowsPressed(kRowPlain, kZeroColumn));
  EXPECT_EQ(GetCapture(), nullptr);
  Mouse(list, WM_MOUSEMOVE, zero);
  Mouse(list, WM_LBUTTONUP, zero);
  EXPECT_EQ(Level(kRowPlain), kPlainMax);

  // Released in the cell but below its image (the image is a pixel shorter
  // than the row): no step.
  const RECT zeroCell = CellRect(list, kRowPlain, kZeroColumn);
  Mouse(list, WM_LBUTTONDOWN, zero);
  Mouse(list, WM_LBUTTONUP, POINT{zero.x, zeroCell.bottom - 1});
  EXPECT_FALSE(ShowsPressed(kRowPlain, kZeroColumn));
  EXPECT_EQ(Level(kRowPlain), kPlainMax);
}

TEST_F(StepPressTest, LeavingTheCellOrLosingTheCaptureStopsTheRepeatForGood) {
  HWND list = host->SkillList();
  const POINT up = ImagePoint(list, kRowPlain, kUpColumn);

  Mouse(list, WM_LBUTTONDOWN, up);
  ASSERT_EQ(Level(kRowPlain), 1);
  Mouse(list, WM_MOUSEMOVE, ImagePoint(list, kRowPlain, kMaxColumn));
  EXPECT_FALSE(ShowsPressed(kRowPlain, kUpColumn));
  EXPECT_EQ(GetCapture(), nullptr);
  Mouse(list, WM_MOUSEMOVE, up);
  EXPECT_FALSE(ShowsPressed(kRowPlain, kUpColumn));
  PumpFor(3 * kRepeatMilliseconds);
  Mouse(list, WM_LBUTTONUP, up);
  EXPECT_EQ(Level(kRowPlain), 1);

  // Another window takes the capture while the cell is held.
  Mouse(list, WM_LBUTTONDOWN, up);
  ASSERT_EQ(Level(kRowPlain), 2);
  SetCapture(host->Dialog());
  PumpMessages();
  EXPECT_FALSE(ShowsPressed(kRowPlain, kUpColumn));
  EXPECT_EQ(GetCapture(), host->Dialog());  // the new holder keeps it
  EXPECT_EQ(RowChangesWhileHolding(3 * kRepeatMilliseconds), 0);
  EXPECT_EQ(Level(kRowPlain), 2);
  ReleaseCapture();

  // The list is pressed again as usual afterwards.
  ClickAt(list, up);
  EXPECT_EQ(Level(kRowPlain), 3);
}

TEST_F(StepPressTest, TwoQuickClicksStepTwice) {
  HWND list = host->SkillList();
  const LPARAM up = [&] {
    const POINT point = ImagePoint(list, kRowPlain, kUpColumn);
    return MAKELPARAM(point.x, point.y);
  }();
  for (int click = 0; click < 2; ++click) {
    PostMessageA(list, WM_LBUTTONDOWN, MK_LBUTTON, up);
    PostMessageA(list, WM_LBUTTONUP, 0, up);
  }
  PumpMessages();
  EXPECT_EQ(Level(kRowPlain), 2);
}

TEST_F(StepPressTest, TextCellsAndTheLabelAreaBesideAnImageAreNoSteps) {
  HWND list = host->SkillList();
  const int changesBefore = skills.rowChanges;
  ClickAt(list, ImagePoint(list, kRowPlain, kColumnSkillLevel));
  ClickAt(list, ImagePoint(list, kRowPlain, kColumnPoints));
  // A wider step column has an empty label area right of its image.
  SendMessageA(list, LVM_SETCOLUMNWIDTH, kUpColumn, 2 * kStepColumnWidth);
  const RECT wide = CellRect(list, kRowPlain, kUpColumn);
  ClickAt(list, POINT{wide.right - 5, (wide.top + wide.bottom) / 2});
  EXPECT_EQ(Level(kRowPlain), 0);
  EXPECT_EQ(skills.rowChanges, changesBefore);
  EXPECT_EQ(SendMessageA(list, LVM_GETNEXTITEM, -1, LVNI_SELECTED), -1);

  ClickAt(list, ImagePoint(list, kRowPlain, kUpColumn));
  EXPECT_EQ(Level(kRowPlain), 1);
}

TEST_F(StepPressTest, RefreshingTheRowsEndsAPressFirst) {
  HWND list = host->SkillList();
  const POINT up = ImagePoint(list, kRowPlain, kUpColumn);
  Mouse(list, WM_LBUTTONDOWN, up);
  ASSERT_EQ(Level(kRowPlain), 1);
  skills.RefreshRows();
  EXPECT_EQ(GetCapture(), nullptr);
  EXPECT_EQ(RowChangesWhileHolding(3 * kRepeatMilliseconds), 0);
  EXPECT_EQ(Level(kRowPlain), 1);
  // The release that follows is no longer ours.
  Mouse(list, WM_LBUTTONUP, up);
  EXPECT_EQ(Level(kRowPlain), 1);
}

}  // namespace
