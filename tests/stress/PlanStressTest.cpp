// The auto-repeat worker steps rows while the interface thread draws and rebuilds
// the plan: the plan lock must order every access (ThreadSanitizer), and every
// value read be one a consistent plan could show.
#include <atomic>
#include <chrono>
#include <random>
#include <thread>

#include "tests/core/PlanTestData.h"

namespace {

TEST(PlanStressTest, StepsReadsAndRebuildsRunTogetherWithoutRaces) {
  // Chains of ten prerequisites and rank-1 skills that require basic ones: steps
  // raise and clear many rows at once, never past a maximum.
  std::vector<std::string> lines{AttackBasicHeader()};
  for (int i = 0; i < 300; ++i) {
    const std::string before = " s" + std::to_string(i - 1) + (i % 3 != 1 ? ":2" : ":1");
    lines.push_back("s" + std::to_string(i) + " n 1 " + std::to_string(i % 7 + 1) +
                    (i % 3 != 0 ? " 4 -" : " - -") + (i % 10 != 0 ? before : ""));
  }
  lines.push_back(RankHeader(kTypeGlyphBunny, kDataRankFirst));
  for (int i = 0; i < 100; ++i)
    lines.push_back("r" + std::to_string(i) + " n 1 2 6 - s" + std::to_string(i * 3) + ":1");
  ScratchFolder folder;
  GameDatabase database;
  ASSERT_TRUE(LoadDataLines(database, folder, lines));
  const JobCode codes[] = {kBunnyBasic, kBunnyRank1, kBunnyRank2H};
  ASSERT_TRUE(database.BuildPlan(kBunnyRank2H));
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(2);
  auto running = [&] { return std::chrono::steady_clock::now() < deadline; };
  std::atomic<int> steps{0}, reads{0}, rebuilds{0};

  // The worker's part: "<" and ">" held on one row after another. The plan
  // may be rebuilt between the count and the step: -1 is then allowed.
  auto stepRows = [&](unsigned seed) {
    std::mt19937 random(seed);
    for (ChangeList changes; running();) {
      const int rows = database.RowCount();
      const LevelOp op = random() % 3 == 0 ? Down : Up;
      if (rows > 0 && database.StepRowLevel(static_cast<int>(random() % rows), op, changes) >= 0) {
        EXPECT_FALSE(changes.empty());
        ++steps;
      }
    }
  };
  // The interface thread's drawing: every cell of every row, and the total.
  auto readRows = [&] {
    SkillEntry entry;
    for (; running(); ++reads) {
      const JobCode code = database.GetJobCode();
      EXPECT_TRUE(code == kBunnyBasic || code == kBunnyRank1 || code == kBunnyRank2H);
      for (int row = 0; row < database.RowCount(); ++row) {
        const bool held = database.CopyRowEntry(row, entry);  // false once rebuilt smaller
        EXPECT_TRUE(!held || (entry.level >= 0 && entry.level <= entry.MaxLevel())) << entry.level;
        database.RowPoints(row);
      }
      EXPECT_GE(database.TotalPoints(), 0);
    }
  };
  // The interface thread's commands: type and rank changes, reset, save and load.
  auto rebuild = [&] {
    const std::string plan = folder.PathOf("stress.vx3");
    for (int turn = 0; running(); ++turn, ++rebuilds) {
      bool done = true;
      if (turn % 4 == 0) done = database.BuildPlan(codes[turn / 4 % 3]);
      if (turn % 4 == 1) database.ResetLevels();
      if (turn % 4 == 2) done = database.SavePlan(plan.c_str());
      if (turn % 4 == 3) done = database.LoadPlan(plan.c_str());
      EXPECT_TRUE(done) << turn;
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
  };
  std::thread threads[] = {std::thread(stepRows, 1), std::thread(stepRows, 2),
                           std::thread(readRows), std::thread(rebuild)};
  for (std::thread& thread : threads) thread.join();

  // Every role ran, not just the first thread to start; the cached total still holds.
  EXPECT_TRUE(steps > 0 && reads > 0 && rebuilds > 0) << steps << " " << reads << " " << rebuilds;
  RowLevels(database);
}

}  // namespace
