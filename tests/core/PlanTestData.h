#pragma once

// What the core tests share: data file lines written into a scratch folder
// and loaded by GameDatabase::load, as the program loads them at start-up.

#include <JapaneseText.h>

#include <string>
#include <vector>

#include "harness/ScratchFolder.h"
#include "plan/GameDatabase.h"

// "[name]", a header line without its line end.
inline std::string HeaderLine(const std::string& name) { return "[" + name + "]"; }

// "[glyph：rank]" or "[glyph：rank：attribute]".
inline std::string RankHeader(const char* glyph, const char* rank,
                              const char* attribute = nullptr) {
  std::string name = std::string(glyph) + kDataFullWidthColon + rank;
  if (attribute != nullptr) name += kDataFullWidthColon + std::string(attribute);
  return HeaderLine(name);
}

// "[攻撃基本職]", the section of list 0, which bunny's basic job (code 0x112) takes.
inline std::string AttackBasicHeader() { return HeaderLine(kDataSectionAttackBasic); }

// The lines as the shipped file holds them: each ended by CR LF.
inline std::string CrLfLines(const std::vector<std::string>& lines) {
  std::string bytes;
  for (const std::string& line : lines) bytes += line + "\r\n";
  return bytes;
}

// A skill line: key, display name, learn level 1, learn points, master
// points ("-" for a one-level skill), no master item, then the prerequisites
// as "key:level" fields.
inline std::string SkillDataLine(const std::string& key, int learnPoints = 1,
                                 const std::string& masterPoints = "-",
                                 const std::string& prerequisites = "") {
  std::string line =
      key + " Name-" + key + " 1 " + std::to_string(learnPoints) + " " + masterPoints + " -";
  if (!prerequisites.empty()) line += " " + prerequisites;
  return line;
}

constexpr JobCode kBunnyBasic = 0x112;
constexpr JobCode kBunnyRank1 = 0x312;

// Writes the lines as vexa.dat into the folder and loads it from there.
inline bool LoadDataLines(GameDatabase& database, const ScratchFolder& folder,
                          const std::vector<std::string>& lines) {
  folder.Write("vexa.dat", CrLfLines(lines));
  return LoadDatabaseFrom(folder, database);
}

// The keys of a skill list, in list order.
inline std::vector<std::string> SkillKeys(const SkillList& list) {
  std::vector<std::string> keys;
  for (const SkillDefinition& skill : list) keys.push_back(skill.key);
  return keys;
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
