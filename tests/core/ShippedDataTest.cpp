// The data file that ships with the program: it must load, name every type and
// job, and give every plan the main window can build a closed, acyclic set of
// prerequisites (a missing one would be raised without a row, a cycle would
// never stop clearing).

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "DataFileScratch.h"
#include "data/GameDatabase.h"

namespace {

// The skill lists that some data file section fills; the others stay empty.
constexpr std::array<int, 34> kNamedLists = {0,  1,  3,  4,  6,  7,  8,  9,  10, 11, 12, 13,
                                             17, 18, 19, 20, 21, 22, 23, 24, 25, 32, 33, 34,
                                             35, 36, 38, 39, 41, 42, 43, 45, 46, 48};
constexpr int kDragon = 3;
constexpr int kAttributeBitCount = 7;

std::string Hex(JobCode code) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%X", static_cast<unsigned>(code));
  return text;
}

// Every code the main window can compose: each type with each job button, and
// for sheep and dragon every combination of the seven attribute boxes (loaded
// plans and keyboard clicks reach more than the usual one-or-two elements).
std::vector<JobCode> SelectableCodes() {
  constexpr std::array<JobCode, 4> kJobBits = {0x100, 0x300, 0x1300, 0x2300};
  std::vector<JobCode> codes;
  for (int type = 0; type < kTypeCount; ++type) {
    const JobCode typeBits = (0x10u << (type / 2)) + (type % 2 == 0 ? 2u : 1u);
    const bool hasAttributes = type == 2 || type == kDragon;
    const JobCode attributeCombinations = hasAttributes ? 1u << kAttributeBitCount : 1u;
    for (JobCode jobBits : kJobBits) {
      for (JobCode attributes = 0; attributes < attributeCombinations; ++attributes) {
        codes.push_back(typeBits | jobBits | (attributes << 16));
      }
    }
  }
  return codes;
}

class ShippedData : public ::testing::Test {
 protected:
  void SetUp() override {
    const std::filesystem::path file(PELL_SHIPPED_DATA_FILE);
    WorkingDirectory beside(file.parent_path());
    ASSERT_TRUE(database.load()) << "cannot load " << file.string();
  }

  // Every skill of the file by key, with the list it came from.
  std::map<std::string, const SkillDefinition*> SkillsByKey() const {
    std::map<std::string, const SkillDefinition*> skills;
    for (int list : kNamedLists) {
      for (const SkillDefinition& skill : database.skillList(list)) skills[skill.key] = &skill;
    }
    return skills;
  }

  GameDatabase database;
};

TEST_F(ShippedData, FillsExactlyTheNamedSkillLists) {
  const std::set<int> named(kNamedLists.begin(), kNamedLists.end());
  for (int list = 0; list < kSkillListCount; ++list) {
    EXPECT_EQ(database.skillList(list).empty(), named.count(list) == 0) << "list " << list;
  }
}

TEST_F(ShippedData, NamesEveryTypeAndEveryJobOnce) {
  std::set<std::string> typeNames;
  for (int type = 0; type < kTypeCount; ++type) {
    std::string name;
    ASSERT_TRUE(database.typeName(type, name));
    EXPECT_FALSE(name.empty()) << "type " << type;
    typeNames.insert(name);
  }
  EXPECT_EQ(typeNames.size(), 8u) << "type names repeat";

  std::set<std::string> jobNames;
  int jobCount = 0;
  for (int type = 0; type < kTypeCount; ++type) {
    for (int slot = 0; slot < kJobSlotCount; ++slot) {
      std::string name;
      ASSERT_TRUE(database.jobName(type, slot, name));
      const bool expected = slot < 4 || type == kDragon;
      EXPECT_EQ(!name.empty(), expected) << "type " << type << " slot " << slot;
      if (!name.empty()) {
        jobNames.insert(name);
        ++jobCount;
      }
    }
  }
  EXPECT_EQ(jobCount, 33);
  EXPECT_EQ(jobNames.size(), 33u) << "job names repeat";
}

// A key in two lists would make two rows share one entry.
TEST_F(ShippedData, KeysAreUniqueAcrossAllLists) {
  std::map<std::string, int> listOfKey;
  for (int list : kNamedLists) {
    for (const SkillDefinition& skill : database.skillList(list)) {
      const auto [known, inserted] = listOfKey.emplace(skill.key, list);
      EXPECT_TRUE(inserted) << skill.key << " is in list " << known->second << " and list " << list;
    }
  }
}

// Raising a prerequisite sets it to the required level unchecked, and clearing
// follows the chain to its end: both need every link to name a skill, ask for
// a level it can have, and never lead back.
TEST_F(ShippedData, PrerequisiteChainsEndAtReachableLevels) {
  const std::map<std::string, const SkillDefinition*> skills = SkillsByKey();
  for (const auto& [key, skill] : skills) {
    for (const SkillPrerequisite& required : skill->prerequisites) {
      const auto found = skills.find(required.key);
      ASSERT_NE(found, skills.end()) << key << " requires unknown " << required.key;
      const int maxLevel = found->second->masterPoints != 0 ? 11 : 1;
      EXPECT_GE(required.level, 0) << key << " -> " << required.key;
      EXPECT_LE(required.level, maxLevel) << key << " -> " << required.key;
    }
  }

  enum class Visit { Open, Done };
  std::map<std::string, Visit> visits;
  std::vector<std::string> path;
  auto walk = [&](const std::string& key, auto& self) -> void {
    visits[key] = Visit::Open;
    path.push_back(key);
    for (const SkillPrerequisite& required : skills.at(key)->prerequisites) {
      const auto seen = visits.find(required.key);
      if (seen == visits.end()) {
        self(required.key, self);
      } else if (seen->second == Visit::Open) {
        std::string cycle;
        for (const std::string& step : path) cycle += step + " -> ";
        ADD_FAILURE() << "cycle: " << cycle << required.key;
      }
    }
    path.pop_back();
    visits[key] = Visit::Done;
  };
  for (const auto& entry : skills) {
    if (visits.count(entry.first) == 0) walk(entry.first, walk);
  }
}

// Every plan holds the skills its rows require, and none of them is learnt
// later than the skill that needs it (the H block's +50 included).
TEST_F(ShippedData, EverySelectablePlanHoldsItsPrerequisites) {
  const std::vector<JobCode> codes = SelectableCodes();
  ASSERT_EQ(codes.size(), 6u * 4 + 2u * 4 * 128);
  for (JobCode code : codes) {
    SCOPED_TRACE("job code " + Hex(code));
    ASSERT_TRUE(database.BuildPlan(code));
    ASSERT_GT(database.RowCount(), 0);

    std::map<std::string, int> learnLevelOfRow;
    std::vector<SkillEntry> rows(static_cast<std::size_t>(database.RowCount()));
    for (int row = 0; row < database.RowCount(); ++row) {
      ASSERT_TRUE(database.CopyRowEntry(row, rows[static_cast<std::size_t>(row)]));
      const SkillEntry& entry = rows[static_cast<std::size_t>(row)];
      EXPECT_TRUE(learnLevelOfRow.emplace(entry.key, entry.learnLevel).second)
          << entry.key << " has two rows";
    }
    for (const SkillEntry& entry : rows) {
      for (const SkillPrerequisite& required : entry.prerequisites) {
        const auto found = learnLevelOfRow.find(required.key);
        if (found == learnLevelOfRow.end()) {
          ADD_FAILURE() << entry.key << " requires " << required.key << ", not in this plan";
          continue;
        }
        EXPECT_LE(found->second, entry.learnLevel) << entry.key << " requires " << required.key;
      }
    }
  }
}

}  // namespace
