// The data file that ships with the program: it must load, name every type and
// job, and give every plan the main window can build a closed, acyclic set of
// prerequisites (a missing one would be raised without a row, a cycle would
// never stop clearing).

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "tests/core/PlanTestData.h"

namespace {

constexpr int kDragon = 3;

class ShippedData : public ::testing::Test {
 protected:
  void SetUp() override {
    const std::filesystem::path file(PELL_SHIPPED_DATA_FILE);
    WorkingDirectory beside(file.parent_path());
    ASSERT_TRUE(database.load()) << "cannot load " << file.string();
  }

  GameDatabase database;
};

TEST_F(ShippedData, NamesEveryTypeAndJobOnce) {
  std::set<std::string> names;
  for (int type = 0; type < kTypeCount; ++type) {
    for (int slot = -1; slot < kJobSlotCount; ++slot) {  // -1: the type name
      std::string name;
      ASSERT_TRUE(slot < 0 ? database.typeName(type, name) : database.jobName(type, slot, name));
      const bool expected = slot < 4 || type == kDragon;
      EXPECT_EQ(!name.empty(), expected) << "type " << type << " slot " << slot;
      if (!name.empty()) names.insert(name);
    }
  }
  EXPECT_EQ(names.size(), 8u + 33u) << "names repeat";

}

// A key in two lists would make two rows share one entry. Raising a
// prerequisite sets it to the required level unchecked, and clearing follows
// the chain to its end: both need every link to name a skill, ask for a level
// it can have, and never lead back.
TEST_F(ShippedData, KeysAreUniqueAndPrerequisiteChainsEndAtReachableLevels) {
  std::map<std::string, const SkillDefinition*> skills;
  for (int list = 0; list < kSkillListCount; ++list) {
    for (const SkillDefinition& skill : database.skillList(list)) {
      EXPECT_TRUE(skills.emplace(skill.key, &skill).second) << skill.key << " is in two lists";
    }
  }
  for (const auto& [key, skill] : skills) {
    for (const SkillPrerequisite& required : skill->prerequisites) {
      const auto found = skills.find(required.key);
      ASSERT_NE(found, skills.end()) << key << " requires unknown " << required.key;
      const int maxLevel = found->second->masterPoints != 0 ? 11 : 1;
      EXPECT_GE(required.level, 0) << key << " -> " << required.key;
      EXPECT_LE(required.level, maxLevel) << key << " -> " << required.key;
    }
  }

  std::set<std::string> done;
  std::vector<std::string> path;  // the skills open on the walk
  auto walk = [&](const std::string& key, auto& self) -> void {
    path.push_back(key);
    for (const SkillPrerequisite& required : skills.at(key)->prerequisites) {
      if (std::find(path.begin(), path.end(), required.key) != path.end()) {
        std::string cycle;
        for (const std::string& step : path) cycle += step + " -> ";
        ADD_FAILURE() << "cycle: " << cycle << required.key;
      } else if (done.count(required.key) == 0) {
        self(required.key, self);
      }
    }
    path.pop_back();
    done.insert(key);
  };
  for (const auto& entry : skills) {
    if (done.count(entry.first) == 0) walk(entry.first, walk);
  }
}

// Every code the main window can compose (each type with each job button, and
// for sheep and dragon every combination of the seven attribute boxes) gives a
// plan that holds the skills its rows require, none of them learnt later than
// the skill that needs it (the H block's +50 included).
TEST_F(ShippedData, EverySelectablePlanHoldsItsPrerequisites) {
  int plans = 0;
  for (int type = 0; type < kTypeCount; ++type) {
    const JobCode typeBits = (0x10u << (type / 2)) + (type % 2 == 0 ? 2u : 1u);
    const JobCode attributeCombinations = type == 2 || type == kDragon ? 128 : 1;
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
