#include <gtest/gtest.h>

#include "app/PlanFileCommand.h"

TEST(PlanFolderTest, ReplacesTheProgramNameAndKeepsAPathWithoutFolder) {
  EXPECT_EQ("C:\\games\\pell.x\\save", PlanFolderBeside("C:\\games\\pell.x\\PellgrovePlanner.exe"));
  EXPECT_EQ("Z:\\save", PlanFolderBeside("Z:\\"));
  EXPECT_EQ("PellgrovePlanner.exe", PlanFolderBeside("PellgrovePlanner.exe"));
}
