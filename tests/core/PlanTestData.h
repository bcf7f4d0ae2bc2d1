#pragma once

// Game data for the plan tests: data file lines written into a scratch folder
// and loaded by GameDatabase::load, as the program loads them at start-up.

#include <JapaneseText.h>

#include <string>
#include <vector>

#include "plan/GameDatabase.h"
#include "tests/core/DataFileScratch.h"

// A skill line: key, display name, learn level 1, learn points, master
// points ("-" for a one-level skill), no master item, then the prerequisites
// as "key:level" fields.
inline std::string SkillDataLine(const std::string& key, int learnPoints = 1,
                                 const std::string& masterPoints = "-",
                                 const std::string& prerequisites = "") {
  std::string line = key + " Name-" + key + " 1 " + std::to_string(learnPoints) + " " +
                     masterPoints + " -";
  if (!prerequisites.empty()) line += " " + prerequisites;
  return line;
}

// "[攻撃基本職]", the section of list 0, which bunny's basic job (code 0x112) takes.
inline std::string AttackBasicHeader() { return HeaderLine(kDataSectionAttackBasic); }

constexpr JobCode kBunnyBasic = 0x112;
constexpr JobCode kBunnyRank1 = 0x312;

// Writes the lines as vexa.dat into the folder and loads it from there.
inline bool LoadDataLines(GameDatabase& database, const ScratchFolder& folder,
                          const std::vector<std::string>& lines) {
  std::string bytes;
  for (const std::string& line : lines) bytes += line + "\r\n";
  folder.Write("vexa.dat", bytes);
  return LoadDatabaseFrom(folder, database);
}

// The level of every row, in row order.
inline std::vector<int> RowLevels(const GameDatabase& database) {
  std::vector<int> levels;
  SkillEntry entry;
  for (int row = 0; row < database.RowCount(); ++row) {
    levels.push_back(database.CopyRowEntry(row, entry) ? entry.level : -1);
  }
  return levels;
}
