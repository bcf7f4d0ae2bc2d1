// The auto-repeat worker steps rows while the interface thread draws them and
// may rebuild the plan: under ThreadSanitizer every access must be ordered by
// the plan lock, and every value read must be one a consistent plan could show.
#include <JapaneseText.h>
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <fstream>
#include <random>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "plan/GameDatabase.h"

namespace {

constexpr auto kRunTime = std::chrono::seconds(2);
constexpr int kBaseSkills = 300;
constexpr int kRankOneSkills = 100;
constexpr int kChainLength = 10;
constexpr JobCode kBunnyBasic = 0x112;
constexpr JobCode kBunnyRankOne = 0x312;
constexpr JobCode kBunnyRankTwoH = 0x1312;
const std::set<JobCode> kBuiltCodes = {kBunnyBasic, kBunnyRankOne, kBunnyRankTwoH};

// Chains of prerequisites in the basic list, and rank-1 skills that require
// basic ones, so that steps raise and clear many rows at once. No required
// level exceeds a maximum, so every level stays within 0 and its maximum.
void WriteDataFile() {
  std::ofstream out("vexa.dat", std::ios::binary);
  out << "[" << kDataSectionAttackBasic << "]\r\n";
  for (int i = 0; i < kBaseSkills; ++i) {
    const bool masterable = i % 3 != 0;
    out << "s" << i << " Skill" << i << " " << i + 1 << " " << i % 7 + 1 << " "
        << (masterable ? "4" : "-") << " Item:" << i % 4;
    if (i % kChainLength != 0) out << " s" << i - 1 << ":" << (i % 3 != 1 ? 2 : 1);
    out << "\r\n";
  }
  out << "[" << kTypeGlyphBunny << kDataFullWidthColon << kDataRankFirst << "]\r\n";
  for (int i = 0; i < kRankOneSkills; ++i) {
    out << "r" << i << " Rank" << i << " 20 2 6 - s" << (i * 3) % kBaseSkills << ":1\r\n";
  }
}

class PlanStressTest : public ::testing::Test {
 protected:
  void SetUp() override {
    WriteDataFile();
    ASSERT_TRUE(database.load());
    ASSERT_TRUE(database.BuildPlan(kBunnyRankTwoH));
  }

  bool Running() const { return std::chrono::steady_clock::now() < deadline; }

  // The worker's part: "<" and ">" held on one row after another.
  void StepRows(unsigned seed) {
    std::mt19937 random(seed);
    ChangeList changes;
    while (Running()) {
      const int rows = database.RowCount();
      if (rows == 0) continue;
      const int row = static_cast<int>(random() % rows);
      const LevelOp op = random() % 3 == 0 ? Down : Up;
      // The plan may be rebuilt between the count and the step: -1 is then allowed.
      if (database.StepRowLevel(row, op, changes) >= 0) {
        EXPECT_FALSE(changes.empty());
        ++steps;
      }
    }
  }

  // The interface thread's drawing: every cell of every row, and the total.
  void ReadRows() {
    SkillEntry entry;
    while (Running()) {
      EXPECT_EQ(kBuiltCodes.count(database.GetJobCode()), 1u);
      const int rows = database.RowCount();
      for (int row = 0; row < rows; ++row) {
        if (database.CopyRowEntry(row, entry)) {
          EXPECT_FALSE(entry.key.empty());
          EXPECT_GE(entry.level, 0);
          EXPECT_LE(entry.level, entry.MaxLevel());
        }
        EXPECT_GE(database.RowPoints(row), -1);
      }
      EXPECT_GE(database.TotalPoints(), 0);
      ++reads;
    }
  }

  // The interface thread's commands: type and rank changes, reset, save and load.
  void RebuildPlan() {
    const JobCode codes[] = {kBunnyBasic, kBunnyRankOne, kBunnyRankTwoH};
    const std::string planPath = "stress.vx3";
    for (int turn = 0; Running(); ++turn) {
      switch (turn % 4) {
        case 0: EXPECT_TRUE(database.BuildPlan(codes[turn / 4 % 3])); break;
        case 1: database.ResetLevels(); break;
        case 2: EXPECT_TRUE(database.SavePlan(planPath.c_str())); break;
        case 3: EXPECT_TRUE(database.LoadPlan(planPath.c_str())); break;
      }
      ++rebuilds;
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
  }

  GameDatabase database;
  std::chrono::steady_clock::time_point deadline;
  std::atomic<int> steps{0};
  std::atomic<int> reads{0};
  std::atomic<int> rebuilds{0};
};

TEST_F(PlanStressTest, StepsReadsAndRebuildsRunTogetherWithoutRaces) {
  deadline = std::chrono::steady_clock::now() + kRunTime;
  std::vector<std::thread> threads;
  threads.emplace_back([this] { StepRows(1); });
  threads.emplace_back([this] { StepRows(2); });
  threads.emplace_back([this] { ReadRows(); });
  threads.emplace_back([this] { RebuildPlan(); });
  for (std::thread& thread : threads) thread.join();

  // Every role ran, not just the first thread to start.
  EXPECT_GT(steps.load(), 0);
  EXPECT_GT(reads.load(), 0);
  EXPECT_GT(rebuilds.load(), 0);

  // The cached total agrees with the rows after all that.
  std::int64_t sum = 0;
  for (int row = 0; row < database.RowCount(); ++row) sum += database.RowPoints(row);
  EXPECT_EQ(database.TotalPoints(), sum);
}

}  // namespace
