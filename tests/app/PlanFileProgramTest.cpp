// The load and save buttons of the real program, through the real file
// dialogs, with plan files in the "save" folder beside the program.
#include <filesystem>
#include <string>
#include <vector>

#include "PlannerSession.h"
#include "PluginLog.h"

namespace {

// The dragon at rank 2 (S2): water from the start, dark clicked.
constexpr JobCode kDragonDarkCode = 0x412321;
constexpr JobCode kBunnyRank1Code = 0x312;

std::string RowKey(const GameDatabase& plan, int row) {
  SkillEntry entry;
  plan.CopyRowEntry(row, entry);
  return entry.key;
}

}  // namespace

TEST_F(PlannerTest, SavedPlanComesBackThroughTheFileDialogs) {
  Start();
  Click(IDC_TYPE_DRAGON);
  Click(IDC_JOB_RANK2S);
  Click(IDC_ATTRIBUTE_DARK);
  ASSERT_TRUE(database.BuildPlan(kDragonDarkCode));
  Step(0, Max);
  Step(3, Up);
  ASSERT_NE("0", Total());

  // Saved under a name without extension: the dialog adds ".vx3".
  PostClick(IDC_SAVE_BUTTON);
  ChooseFileAndWait(kPlanFileSaveTitle, "plan");
  ASSERT_TRUE(database.SavePlan(folder.File("expected.vx3").c_str()));
  const std::string saved = Bytes(PlanFile("plan.vx3"));
  EXPECT_EQ(Bytes(folder.File("expected.vx3")), saved);
  EXPECT_EQ(0u, saved.find("job 412321\r\nskill "));

  Click(IDC_TYPE_BUNNY);
  EXPECT_EQ("0", Total());
  PostClick(IDC_LOAD_BUTTON);
  ChooseFileAndWait(kPlanFileOpenTitle, "plan.vx3");
  EXPECT_TRUE(Checked(IDC_TYPE_DRAGON));
  EXPECT_FALSE(Checked(IDC_TYPE_BUNNY));
  EXPECT_TRUE(Checked(IDC_JOB_RANK2S));
  EXPECT_TRUE(Checked(IDC_ATTRIBUTE_WATER));
  EXPECT_TRUE(Checked(IDC_ATTRIBUTE_DARK));
  EXPECT_FALSE(Checked(IDC_ATTRIBUTE_LIGHT));
  std::string darkJob;
  database.jobName(3, 4, darkJob);
  EXPECT_EQ(darkJob, TextOf(Control(IDC_JOB_RANK2S)));
  ExpectShowsExpectedPlan();

  PostMessageA(main, WM_CLOSE, 0, 0);
  ASSERT_EQ(0u, run->WaitForExit());
  // The plug-in was told the loaded type and the dark job slot.
  const std::vector<std::string> calls = CallsBesidesGetWnd(folder.ReadLines("VexaChar.log"));
  ASSERT_GE(calls.size(), 4u);
  EXPECT_EQ((std::vector<std::string>{"VexaChar_SetChar(3, 0)", "VexaChar_SetRank(4, 1)",
                                      "VexaChar_Delete()", "VexaChar_Terminate()"}),
            std::vector<std::string>(calls.end() - 4, calls.end()));
}

TEST_F(PlannerTest, FailedLoadsReportAndShowThePlanAsItIs) {
  Start();
  ASSERT_TRUE(database.BuildPlan(kBunnyRank1Code));
  const std::string first = RowKey(database, 0);
  const std::string last = RowKey(database, database.RowCount() - 1);
  WritePlanFile("blank.vx3", "job 312\r\nskill " + first + " 1\r\n\r\nskill " + last + " 1\r\n");
  WritePlanFile("twojobs.vx3", "job 312\r\njob 112\r\nskill " + first + " 1\r\n");
  WritePlanFile("notype.vx3", "job 30\r\n");
  // Records apply from the last up, so the one after the unknown key is in.
  WritePlanFile("unknown.vx3", "job 312\r\nskill no-such-skill 1\r\nskill " + last + " 11\r\n");

  Click(IDC_TYPE_DRAGON);
  Click(IDC_JOB_RANK2H);
  ASSERT_TRUE(database.BuildPlan(0x211321));
  Step(1, Max);
  const std::vector<bool> checks = SelectionChecks();
  const std::string dragonJob = TextOf(Control(IDC_JOB_RANK2H));

  for (const char* damaged : {"blank.vx3", "twojobs.vx3", "notype.vx3"}) {
    PostClick(IDC_LOAD_BUTTON);
    ChooseFile(kPlanFileOpenTitle, damaged);
    EXPECT_EQ(std::vector<std::string>{kPlanFileLoadError}, TakeErrorBox()) << damaged;
    EXPECT_EQ(checks, SelectionChecks()) << damaged;
    EXPECT_EQ(dragonJob, TextOf(Control(IDC_JOB_RANK2H)));
    ExpectShowsExpectedPlan();
  }

  // This one fails after the plan was rebuilt: the window follows the plan.
  PostClick(IDC_LOAD_BUTTON);
  ChooseFile(kPlanFileOpenTitle, "unknown.vx3");
  EXPECT_EQ(std::vector<std::string>{kPlanFileLoadError}, TakeErrorBox());
  ASSERT_TRUE(database.BuildPlan(kBunnyRank1Code));
  ChangeList changes;
  database.StepLevel(last, Max, changes);
  EXPECT_TRUE(Checked(IDC_TYPE_BUNNY));
  EXPECT_FALSE(Checked(IDC_TYPE_DRAGON));
  EXPECT_TRUE(Checked(IDC_JOB_RANK1));
  ExpectShowsExpectedPlan();
  EXPECT_NE("0", Total());
}

TEST_F(PlannerTest, SaveNeedsAPlanAndAFailedSaveKeepsTheFile) {
  Start();
  // Nothing built yet: the save answers at once, without a dialog or folder.
  DWORD_PTR ignored = 0;
  ASSERT_NE(0, SendMessageTimeoutA(Control(IDC_SAVE_BUTTON), BM_CLICK, 0, 0, SMTO_NORMAL, 5000,
                                   &ignored));
  EXPECT_FALSE(std::filesystem::exists(PlanFolder()));

  // The load makes the folder before the user chooses, even if he cancels.
  PostClick(IDC_LOAD_BUTTON);
  HWND dialog = WaitForOwnedDialog(main, kPlanFileOpenTitle);
  ASSERT_NE(nullptr, dialog);
  EXPECT_TRUE(std::filesystem::is_directory(PlanFolder()));
  Answer(dialog, IDCANCEL);
  WaitUntilClosed(dialog);
  EXPECT_EQ(0, list->RowCount());

  Click(IDC_TYPE_BUNNY);
  ASSERT_TRUE(database.BuildPlan(0x112));
  PostClick(IDC_SAVE_BUTTON);
  ChooseFileAndWait(kPlanFileSaveTitle, "kept");
  const std::string kept = Bytes(PlanFile("kept.vx3"));
  ASSERT_EQ(0u, kept.find("job 112\r\n"));

  // The save's scratch file cannot be made: the save fails after the user
  // agreed to replace the file, and says so.
  Step(0, Max);
  std::filesystem::create_directory(PlanFile("kept.vx3.tmp"));
  PostClick(IDC_SAVE_BUTTON);
  dialog = ChooseFile(kPlanFileSaveTitle, "kept.vx3");
  HWND replace = WaitForOwnedDialog(dialog, "");
  ASSERT_NE(nullptr, replace);
  Answer(replace, IDYES);
  EXPECT_EQ(std::vector<std::string>{kPlanFileSaveError}, TakeErrorBox());
  EXPECT_EQ(kept, Bytes(PlanFile("kept.vx3")));
  ExpectShowsExpectedPlan();
}
