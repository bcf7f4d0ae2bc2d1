// The step cells of the real program's skill list: presses sent to the list
// as the mouse would, levels and the total read back from its windows.
#include <string>

#include "PlannerSession.h"

namespace {

constexpr JobCode kBunnyRank1Code = 0x312;
constexpr int kSkillNameColumn = kColumnSkillName;

double Milliseconds(DWORD from) { return static_cast<double>(GetTickCount() - from); }

// Rows of one plan with the shapes the presses need.
struct PressRows {
  int dependent = -1;     // masterable, with a prerequisite
  int prerequisite = -1;  // the first prerequisite of dependent
  int free = -1;          // masterable, no prerequisite, none of the above
  int spare = -1;         // another one like free
  int single = -1;        // one level only, no prerequisite, none of the above
};

PressRows FindPressRows(GameDatabase& plan) {
  PressRows rows;
  SkillEntry entry;
  for (int row = 0; row < plan.RowCount(); ++row) {
    plan.CopyRowEntry(row, entry);
    if (rows.dependent < 0 && entry.masterPoints > 0 && !entry.prerequisites.empty()) {
      rows.dependent = row;
      rows.prerequisite = plan.FindEntry(entry.prerequisites.front().key).rowId;
    }
  }
  for (int row = 0; row < plan.RowCount(); ++row) {
    plan.CopyRowEntry(row, entry);
    const bool taken = row == rows.prerequisite || row == rows.dependent || row == rows.free;
    if (taken || !entry.prerequisites.empty()) continue;
    if (entry.masterPoints == 0 && rows.single < 0) rows.single = row;
    if (entry.masterPoints > 0 && rows.free < 0)
      rows.free = row;
    else if (entry.masterPoints > 0 && rows.spare < 0)
      rows.spare = row;
  }
  return rows;
}

}  // namespace

TEST_F(PlannerTest, StepCellsStepRepeatAndEndAsTheMouseDoes) {
  Start();
  Click(IDC_TYPE_BUNNY);
  Click(IDC_JOB_RANK1);
  ASSERT_TRUE(database.BuildPlan(kBunnyRank1Code));
  const PressRows rows = FindPressRows(database);
  ASSERT_GE(rows.prerequisite, 0);
  ASSERT_GE(rows.free, 0);
  ASSERT_GE(rows.spare, 0);
  ASSERT_GE(rows.single, 0);

  // ">" from 0 raises the skill and what it requires, and the total follows.
  Step(rows.dependent, Up);
  EXPECT_EQ("1", list->LevelText(rows.dependent));
  EXPECT_NE("0", list->LevelText(rows.prerequisite));
  ExpectShowsExpectedPlan();

  // Held ">": the immediate step, then one every 300 ms, and none after the release.
  POINT up = list->ImagePoint(rows.free, kColumnFirstStep + Up);
  const DWORD pressed = GetTickCount();
  list->Press(up);
  Sleep(1000);
  list->Release(up);
  const double held = Milliseconds(pressed);
  const int level = std::stoi(list->LevelText(rows.free));
  EXPECT_GE(level, 3);
  EXPECT_LE(level, 1 + static_cast<int>(held / 300));
  Sleep(450);
  EXPECT_EQ(std::to_string(level), list->LevelText(rows.free));
  ChangeList changes;
  for (int step = 0; step < level; ++step) database.StepRowLevel(rows.free, Up, changes);

  // Held at a one-level skill's maximum: it stays there.
  up = list->ImagePoint(rows.single, kColumnFirstStep + Up);
  list->Press(up);
  Sleep(700);
  list->Release(up);
  database.StepRowLevel(rows.single, Up, changes);
  EXPECT_EQ("Master!", list->LevelText(rows.single));
  ExpectShowsExpectedPlan();

  // "<" on the prerequisite clears the skill that needs more of it.
  Step(rows.prerequisite, Down);
  EXPECT_EQ("0", list->LevelText(rows.dependent));
  ExpectShowsExpectedPlan();

  // ">>" released away from its cell makes no step; released on it, it does.
  const POINT max = list->ImagePoint(rows.dependent, kColumnFirstStep + Max);
  list->Press(max);
  list->Release(list->ImagePoint(rows.free, kSkillNameColumn));
  ExpectShowsExpectedPlan();
  Step(rows.dependent, Max);
  EXPECT_EQ("Master!", list->LevelText(rows.dependent));
  ExpectShowsExpectedPlan();

  // Losing the capture while ">" is held ends the repeat.
  up = list->ImagePoint(rows.spare, kColumnFirstStep + Up);
  list->Press(up);
  Sleep(100);
  SendMessageA(list->Hwnd(), WM_CANCELMODE, 0, 0);
  Sleep(800);
  EXPECT_EQ("1", list->LevelText(rows.spare));
  list->Release(up);
  EXPECT_EQ("1", list->LevelText(rows.spare));
  database.StepRowLevel(rows.spare, Up, changes);
  ExpectShowsExpectedPlan();

  // A command that arrives while ">" is held (as from the keyboard) ends the
  // press first: the load before its dialog opens, the reset before it resets.
  list->Press(up);
  PostMessageA(main, WM_COMMAND, IDC_LOAD_BUTTON,
               reinterpret_cast<LPARAM>(Control(IDC_LOAD_BUTTON)));
  HWND dialog = WaitForOwnedDialog(main, kPlanFileOpenTitle);
  ASSERT_NE(nullptr, dialog);
  Sleep(700);
  Answer(dialog, IDCANCEL);
  WaitUntilClosed(dialog);
  list->Release(up);
  EXPECT_EQ("2", list->LevelText(rows.spare));
  list->Press(up);
  SendMessageA(main, WM_COMMAND, IDC_RESET_BUTTON,
               reinterpret_cast<LPARAM>(Control(IDC_RESET_BUTTON)));
  Sleep(700);
  list->Release(up);
  database.ResetLevels();
  ExpectShowsExpectedPlan();
}
