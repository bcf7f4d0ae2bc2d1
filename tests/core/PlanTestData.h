#pragma once

// Data file lines, loaded as the program loads them at start-up, and plan steps.
// Skill lines read "key name learnLevel learnPoints masterPoints item:count
// key:level...", "-" for a single level or no item.

#include <JapaneseText.h>
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "data/DataFileReader.h"
#include "harness/ScratchFolder.h"
#include "plan/ClampedInt.h"
#include "plan/GameDatabase.h"

constexpr JobCode kBunnyBasic = 0x112;    // the attack basic list
constexpr JobCode kBunnyRank1 = 0x312;    // and the bunny's rank-1 list
constexpr JobCode kBunnyRank2H = 0x1312;  // and the buffalo's rank-1 list, 50 levels later

inline std::string HeaderLine(const std::string& name) { return "[" + name + "]"; }

// "[glyph:rank]" or "[glyph:rank:attribute]", the colons full-width.
inline std::string RankHeader(const char* glyph, const char* rank,
                              const char* attribute = nullptr) {
  const std::string name = std::string(glyph) + kDataFullWidthColon + rank;
  return HeaderLine(attribute ? name + kDataFullWidthColon + attribute : name);
}

inline std::string AttackBasicHeader() { return HeaderLine(kDataSectionAttackBasic); }

// Both name sections: type t named "T<t>", the job of type t and slot s
// "J<t><s>"; a type or job key left out is not named.
inline std::vector<std::string> NameLines(int skippedType = -1, const char* skippedJob = nullptr) {
  std::vector<std::string> lines{HeaderLine(kDataSectionTypeNames)};
  for (int type = 0; type < kTypeCount; ++type)
    if (type != skippedType)
      lines.push_back(DataFileReader::typeGlyph(type) + (" T" + std::to_string(type)));
  lines.push_back(HeaderLine(kDataSectionJobNames));
  for (int type = 0; type < kTypeCount; ++type)
    for (int slot = 0; slot < kJobSlotCount; ++slot)
      if (const char* key = DataFileReader::jobKey(type, slot); key && key != skippedJob)
        lines.push_back(key + (" J" + std::to_string(type) + std::to_string(slot)));
  return lines;
}

// The lines as the shipped file holds them: each ended by CR LF.
inline std::string CrLfLines(const std::vector<std::string>& lines) {
  std::string bytes;
  for (const std::string& line : lines) bytes += line + "\r\n";
  return bytes;
}

// Writes the lines as vexa.dat into the folder and loads it from there.
inline bool LoadDataLines(GameDatabase& database, const ScratchFolder& folder,
                          const std::vector<std::string>& lines) {
  folder.Write("vexa.dat", CrLfLines(lines));
  return LoadDatabaseFrom(folder, database);
}

// The level of every row, in row order. On the way it holds the cached total
// to the rows' points, so that every check of levels checks the cache too.
inline std::vector<int> RowLevels(const GameDatabase& database) {
  std::vector<int> levels;
  std::int64_t points = 0;
  SkillEntry entry;
  for (int row = 0; row < database.RowCount(); ++row) {
    levels.push_back(database.CopyRowEntry(row, entry) ? entry.level : -1);
    points += database.RowPoints(row);
  }
  EXPECT_EQ(ClampToInt32(points), database.TotalPoints()) << "the cached total";
  return levels;
}

// Level steps written "key" and "0", "-", "+" or "*" (Zero, Down, Up, Max),
// blank-separated; answers the last step's answer.
inline int Steps(GameDatabase& database, const std::string& steps, ChangeList* changes = nullptr) {
  ChangeList ignored;
  int result = -99;
  std::istringstream in(steps);
  for (std::string step; in >> step;) {
    const auto op = static_cast<LevelOp>(std::string("0-+*").find(step.back()));
    step.pop_back();
    result = database.StepLevel(step, op, changes ? *changes : ignored);
  }
  return result;
}
