#include <JapaneseText.h>

#include "MainWindowFixture.h"
#include "app/AttributeRules.h"

namespace {

// Type pair and parity bits of each type, written out rather than computed.
constexpr JobCode kTypeBits[8] = {0x12, 0x11, 0x22, 0x21, 0x42, 0x41, 0x82, 0x81};
constexpr JobCode kJobBits[4] = {0x100, 0x300, 0x1300, 0x2300};
constexpr JobCode kStartAttributes = 0x210000;  // water and light, as the window starts

// Which boxes a selection enables: elements, then light and dark.
struct Enabling {
  bool elements;
  bool lightDark;
};

}  // namespace

TEST_F(MainWindowTest, StartsTitledAndLabelledWithNothingSelected) {
  Open();
  EXPECT_EQ(std::string(kMainDialogCaption) + " - Version 2.2.2.1", WindowText(dialog));
  for (int type = 0; type < 8; ++type) {
    EXPECT_EQ(TypeName(type), WindowText(TypeButton(type))) << type;
    EXPECT_FALSE(Checked(TypeButton(type)));
  }
  for (int job = 0; job < 4; ++job) {
    EXPECT_FALSE(IsWindowVisible(JobButton(job))) << job;
    EXPECT_FALSE(IsWindowEnabled(JobButton(job))) << job;
    EXPECT_FALSE(Checked(JobButton(job)));
  }
  for (int box = 0; box < kAttributeCount; ++box) {
    EXPECT_FALSE(IsWindowEnabled(AttributeBox(box))) << box;
    EXPECT_EQ(box == kWater || box == kLight, Checked(AttributeBox(box))) << box;
  }
  EXPECT_EQ(0u, database.GetJobCode());
  EXPECT_EQ(0, database.RowCount());
  EXPECT_EQ("0", WindowText(Control(IDC_TOTAL_LABEL)));
}

TEST_F(MainWindowTest, EachTypeShowsItsJobsAndBuildsItsBasicJob) {
  Open();
  for (int type = 0; type < 8; ++type) {
    Click(TypeButton(type));
    for (int job = 0; job < 4; ++job) {
      // The dragon's fourth button starts on its light job.
      const std::string name = JobName(type, job);
      EXPECT_EQ(name, WindowText(JobButton(job))) << type << "/" << job;
      EXPECT_EQ(!name.empty(), IsWindowVisible(JobButton(job)) != FALSE);
      EXPECT_TRUE(IsWindowEnabled(JobButton(job)));
      EXPECT_EQ(job == 0, Checked(JobButton(job)));
    }
    const JobCode attributes = type == 2 || type == 3 ? kStartAttributes : 0;
    EXPECT_EQ(kTypeBits[type] | 0x100 | attributes, database.GetJobCode()) << type;
    EXPECT_GT(database.RowCount(), 0);
  }
  Click(TypeButton(0));
  EXPECT_EQ(0x112u, database.GetJobCode());
}

TEST_F(MainWindowTest, AttributeBoxesFollowTypeAndJob) {
  Open();
  const Enabling sheep[4] = {{false, false}, {true, false}, {true, true}, {true, false}};
  const Enabling dragon[4] = {{false, false}, {false, true}, {true, true}, {false, true}};
  for (int type = 0; type < 8; ++type) {
    for (int job = 0; job < 4; ++job) {
      Select(type, job);
      const Enabling expected = type == 2 ? sheep[job] : type == 3 ? dragon[job] : Enabling{false, false};
      for (int box = 0; box < kAttributeCount; ++box) {
        const bool enabled = box >= kLight ? expected.lightDark : expected.elements;
        EXPECT_EQ(enabled, IsWindowEnabled(AttributeBox(box)) != FALSE) << type << "/" << job << "/" << box;
      }
      // Attribute states enter the code of the sheep and the dragon only.
      const JobCode attributes = type == 2 || type == 3 ? kStartAttributes : 0;
      EXPECT_EQ(kTypeBits[type] | kJobBits[job] | attributes, database.GetJobCode());
    }
  }
  Select(3, 2);
  EXPECT_EQ(0x211321u, database.GetJobCode());
}

TEST_F(MainWindowTest, ElementsCycleAndLightExcludesDark) {
  Open();
  Select(2, 1);
  auto elements = [this] {
    std::string set;
    const char* names[] = {"water", "wind", "earth", "fire", "thunder"};
    for (int box = kWater; box <= kThunder; ++box)
      if (Checked(AttributeBox(box))) set += std::string(set.empty() ? "" : " ") + names[box];
    return set;
  };
  Click(AttributeBox(kWind));
  EXPECT_EQ("water wind", elements());
  Click(AttributeBox(kEarth));
  EXPECT_EQ("wind earth", elements());
  Click(AttributeBox(kFire));
  EXPECT_EQ("earth fire", elements());
  Click(AttributeBox(kThunder));
  EXPECT_EQ("fire thunder", elements());
  Click(AttributeBox(kWater));
  EXPECT_EQ("water thunder", elements());
  EXPECT_EQ(0x22u | 0x300 | 0x10000 | 0x100000 | 0x200000, database.GetJobCode());

  // A set element cannot be cleared by clicking it, and the plan is not rebuilt.
  RaiseFirstRows(2);
  Click(AttributeBox(kWater));
  EXPECT_EQ("water thunder", elements());
  EXPECT_EQ(1, RowLevel(0));

  Select(3, 1);
  Click(AttributeBox(kDark));
  EXPECT_FALSE(Checked(AttributeBox(kLight)));
  EXPECT_TRUE(Checked(AttributeBox(kDark)));
  EXPECT_EQ(0x21u | 0x300 | 0x10000 | 0x100000 | 0x400000, database.GetJobCode());
  Click(AttributeBox(kDark));
  EXPECT_TRUE(Checked(AttributeBox(kDark)));
  Click(AttributeBox(kLight));
  EXPECT_TRUE(Checked(AttributeBox(kLight)));
  EXPECT_FALSE(Checked(AttributeBox(kDark)));
}

// A click on the type or job button already set reaches the window as a
// click too; it must not wipe the levels. Every real change rebuilds.
TEST_F(MainWindowTest, OnlyRealChangesRebuildThePlan) {
  Open();
  Select(2, 2);
  RaiseFirstRows(3);
  Click(TypeButton(2));
  Click(JobButton(2));
  EXPECT_EQ(1, RowLevel(0));
  EXPECT_EQ(1, RowLevel(2));

  struct Change {
    const char* what;
    HWND control;
  };
  const Change changes[] = {{"element", AttributeBox(kWind)}, {"light/dark", AttributeBox(kDark)},
                            {"job", JobButton(1)},            {"type", TypeButton(3)}};
  for (const Change& change : changes) {
    RaiseFirstRows(1);
    ASSERT_GT(RowLevel(0), 0) << change.what;
    Click(change.control);
    EXPECT_EQ(0, RowLevel(0)) << change.what;
  }
}

TEST_F(MainWindowTest, DragonFourthJobNamesItsDarkJobWhenDarkIsSet) {
  Open();
  Select(3, 3);
  EXPECT_EQ(JobName(3, 3), WindowText(JobButton(3)));
  Click(AttributeBox(kDark));
  EXPECT_EQ(JobName(3, 4), WindowText(JobButton(3)));
  EXPECT_EQ(0x21u | 0x2300 | 0x10000 | 0x400000, database.GetJobCode());
  Click(AttributeBox(kLight));
  EXPECT_EQ(JobName(3, 3), WindowText(JobButton(3)));
}

TEST_F(MainWindowTest, TotalFollowsTheLevelsAndReset) {
  Open();
  Select(0, 1);
  RaiseFirstRows(4);
  SendMessageA(dialog, WM_APP_REFRESH_TOTAL, 0, 0);
  ASSERT_GT(database.TotalPoints(), 0);
  EXPECT_EQ(std::to_string(database.TotalPoints()), WindowText(Control(IDC_TOTAL_LABEL)));
  const JobCode code = database.GetJobCode();
  Click(Control(IDC_RESET_BUTTON));
  EXPECT_EQ("0", WindowText(Control(IDC_TOTAL_LABEL)));
  EXPECT_EQ(0, RowLevel(0));
  EXPECT_EQ(code, database.GetJobCode());
  EXPECT_TRUE(Checked(TypeButton(0)));
  EXPECT_TRUE(Checked(JobButton(1)));
}

TEST_F(MainWindowTest, ApplyJobCodeSetsTheControlsAsFarAsTheyFit) {
  Open();
  ASSERT_FALSE(window->ApplyJobCode());  // nothing built yet
  EXPECT_EQ(-1, [this] {
    for (int type = 0; type < 8; ++type)
      if (Checked(TypeButton(type))) return type;
    return -1;
  }());

  ASSERT_TRUE(database.BuildPlan(0x21 | 0x2300 | 0x80000 | 0x400000));
  EXPECT_TRUE(window->ApplyJobCode());
  EXPECT_TRUE(Checked(TypeButton(3)));
  EXPECT_TRUE(Checked(JobButton(3)));
  EXPECT_FALSE(Checked(JobButton(0)));
  EXPECT_EQ(JobName(3, 4), WindowText(JobButton(3)));
  EXPECT_TRUE(Checked(AttributeBox(kFire)));
  EXPECT_FALSE(Checked(AttributeBox(kWater)));
  EXPECT_TRUE(Checked(AttributeBox(kDark)));
  EXPECT_FALSE(Checked(AttributeBox(kLight)));

  // Both light and dark, as a file may hold them; elements absent keep their states.
  ASSERT_TRUE(database.BuildPlan(0x22 | 0x1300 | 0x600000));
  EXPECT_TRUE(window->ApplyJobCode());
  EXPECT_TRUE(Checked(TypeButton(2)));
  EXPECT_FALSE(Checked(TypeButton(3)));
  EXPECT_TRUE(Checked(JobButton(2)));
  EXPECT_TRUE(Checked(AttributeBox(kLight)));
  EXPECT_TRUE(Checked(AttributeBox(kDark)));
  EXPECT_TRUE(Checked(AttributeBox(kFire)));

  // A type without job bits: the type is set, the job is not placed.
  ASSERT_TRUE(database.BuildPlan(0x41));
  EXPECT_FALSE(window->ApplyJobCode());
  EXPECT_TRUE(Checked(TypeButton(5)));
  EXPECT_EQ(std::to_string(database.TotalPoints()), WindowText(Control(IDC_TOTAL_LABEL)));
}

// A data file may leave names empty: bunny's basic job button is then set
// while hidden, and stays the one job button set.
TEST_F(MainWindowTest, UnnamedJobsAndTypesAreHiddenOrBlank) {
  Open(ShippedDataWithout({kDataJobKeyBunnyBasic, std::string(kTypeGlyphRaccoon) + " "}));
  EXPECT_EQ("", WindowText(TypeButton(7)));
  Click(TypeButton(0));
  EXPECT_FALSE(IsWindowVisible(JobButton(0)));
  EXPECT_TRUE(Checked(JobButton(0)));
  for (int job = 1; job < 4; ++job) EXPECT_FALSE(Checked(JobButton(job))) << job;
  EXPECT_EQ(0x112u, database.GetJobCode());

  Click(JobButton(1));
  EXPECT_FALSE(Checked(JobButton(0)));
  EXPECT_TRUE(Checked(JobButton(1)));
  Click(TypeButton(1));
  EXPECT_TRUE(Checked(JobButton(1)));
  EXPECT_EQ(0x311u, database.GetJobCode());
  Click(TypeButton(0));
  EXPECT_EQ(0x312u, database.GetJobCode());
  EXPECT_FALSE(Checked(JobButton(0)));
}
