#pragma once

#include <array>
#include <list>
#include <string>

#include "data/SkillDefinition.h"

// The three tables the data file fills, by character type index, job slot and
// skill list index.
constexpr int kTypeCount = 8;
constexpr int kSkillListCount = 49;

// The character types by index, in pairs that share a basic job. Only the
// sheep and the dragon have attributes.
enum CharacterType { kBunny, kBuffalo, kSheep, kDragon, kFox, kLion, kCat, kRaccoon };

// The job slots: basic job, rank 1, rank 2 (H), rank 2 (S) (the dragon's S1),
// and the dragon's rank 2 (S2).
enum JobSlot { kBasicSlot, kRank1Slot, kRank2HSlot, kRank2SSlot, kRank2S2Slot, kJobSlotCount };

using TypeNameTable = std::array<std::string, kTypeCount>;
using JobNameTable = std::array<std::array<std::string, kJobSlotCount>, kTypeCount>;
using SkillList = std::list<SkillDefinition>;
using SkillListTable = std::array<SkillList, kSkillListCount>;

// The game as the data file tells it: type names, job names and skill lists.
// Filled once at start-up and only read afterwards.
class GameTables {
 public:
  // Reads "vexa.dat" from the working directory; when it holds none, the one
  // in fallbackFolder (a folder path ending in its separator), if given.
  bool load(const std::string& fallbackFolder = std::string());
  void clear();
  bool typeName(int type, std::string& out) const;
  bool jobName(int type, int slot, std::string& out) const;
  const SkillList& skillList(int index) const;           // index 0 to 48
  int skillCount() const;                                // skills of all lists
  int droppedLineCount() const { return droppedLines; }  // lines the last load read past

 private:
  TypeNameTable typeNames;
  JobNameTable jobNames;
  SkillListTable skillLists;
  int droppedLines = 0;
};
