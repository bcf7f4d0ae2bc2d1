#include <gtest/gtest.h>

#include "app/SelectionCode.h"

TEST(SelectionCodeTest, ComposesOnlyWithAJob) {
  Selection selection;
  selection.type = 3;
  EXPECT_EQ(-1, JobCodeOf(selection));
  selection.job = 2;
  selection.attributes[kWater] = selection.attributes[kLight] = true;
  EXPECT_EQ(0x211321, JobCodeOf(selection));
  selection.type = 4;  // attributes count for sheep and dragon only
  EXPECT_EQ(0x1342, JobCodeOf(selection));
}

TEST(SelectionCodeTest, PluginSlotFourIsTheDarkDragonOnly) {
  EXPECT_EQ(0, PluginJobSlot(0));
  EXPECT_EQ(4, PluginJobSlot(0x21 | 0x2300 | 0x400000));
  EXPECT_EQ(3, PluginJobSlot(0x21 | 0x2300 | 0x200000));
  EXPECT_EQ(4, PluginJobSlot(0x21 | 0x2300 | 0x600000));  // as the plan is built
  EXPECT_EQ(3, PluginJobSlot(0x22 | 0x2300 | 0x400000));
  EXPECT_EQ(2, PluginJobSlot(0x41 | 0x1300));
  EXPECT_EQ(1, PluginJobSlot(0x82 | 0x300));
}

TEST(SelectionCodeTest, LoadedCodePicksTheFirstFittingJobButton) {
  EXPECT_EQ(2, JobButtonOfCode(0x3312));  // H before S when a file holds both
  EXPECT_EQ(3, JobButtonOfCode(0x2312));
  EXPECT_EQ(1, JobButtonOfCode(0x312));
  EXPECT_EQ(0, JobButtonOfCode(0x112));
  EXPECT_EQ(-1, JobButtonOfCode(0x12));
}
