// The data file that ships with the program, as the program builds its plans.
// Names, repeated keys, cycles and required levels are the data file
// checker's findings, which the checker's tests hold clean on this file.

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "tests/core/PlanTestData.h"

namespace {

class ShippedData : public ::testing::Test {
 protected:
  void SetUp() override {
    const std::filesystem::path file(PELL_SHIPPED_DATA_FILE);
    WorkingDirectory beside(file.parent_path());
    ASSERT_TRUE(database.load()) << "cannot load " << file.string();
  }

  GameDatabase database;
};

// Every code the main window can compose (each type with each job button, and
// for sheep and dragon every combination of the seven attribute boxes) gives a
// plan that holds the skills its rows require, none of them learnt later than
// the skill that needs it (the H block's +50 included).
TEST_F(ShippedData, EverySelectablePlanHoldsItsPrerequisites) {
  int plans = 0;
  for (int type = 0; type < kTypeCount; ++type) {
    const JobCode typeBits = (0x10u << (type / 2)) + (type % 2 == 0 ? 2u : 1u);
    const JobCode attributeCombinations = type == kSheep || type == kDragon ? 128 : 1;
    for (JobCode jobBits : {0x100u, 0x300u, 0x1300u, 0x2300u}) {
      for (JobCode attributes = 0; attributes < attributeCombinations; ++attributes) {
        const JobCode code = typeBits | jobBits | (attributes << 16);
        char hex[16];
        std::snprintf(hex, sizeof hex, "0x%X", static_cast<unsigned>(code));
        SCOPED_TRACE(std::string("job code ") + hex);
        ASSERT_TRUE(database.BuildPlan(code));
        ASSERT_GT(database.RowCount(), 0);
        ++plans;

        std::map<std::string, int> learnLevelOfRow;
        std::vector<SkillEntry> rows(static_cast<std::size_t>(database.RowCount()));
        for (std::size_t row = 0; row < rows.size(); ++row) {
          ASSERT_TRUE(database.CopyRowEntry(static_cast<int>(row), rows[row]));
          EXPECT_TRUE(learnLevelOfRow.emplace(rows[row].key, rows[row].learnLevel).second)
              << rows[row].key << " has two rows";
        }
        for (const SkillEntry& entry : rows) {
          for (const SkillPrerequisite& required : entry.prerequisites) {
            const auto found = learnLevelOfRow.find(required.key);
            if (found == learnLevelOfRow.end()) {
              ADD_FAILURE() << entry.key << " requires " << required.key << ", not in this plan";
            } else {
              EXPECT_LE(found->second, entry.learnLevel) << entry.key << " needs " << required.key;
            }
          }
        }
      }
    }
  }
  EXPECT_EQ(plans, 6 * 4 + 2 * 4 * 128);
}

}  // namespace
