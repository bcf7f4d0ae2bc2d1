#include "data/GameTables.h"

#include "data/DataFileReader.h"
#include "data/DroppedLineCounter.h"
#include "data/FileBytes.h"

namespace {

constexpr char kDataFileName[] = "vexa.dat";

bool IsType(int type) { return type >= 0 && type < kTypeCount; }

}  // namespace

// A plan file opened from the shell makes its folder the working directory;
// the data file beside the program then serves, but one in the working
// directory still wins, as it always has.
bool GameTables::load(const std::string& fallbackFolder) {
  clear();
  DataFileReader reader;
  reader.setTypeNames(typeNames);
  reader.setJobNames(jobNames);
  reader.setSkillLists(skillLists);
  DroppedLineCounter dropped;
  reader.setObserver(dropped);
  const bool fallBack = !fallbackFolder.empty() && !CanOpenFile(kDataFileName);
  const bool read = reader.readFile(fallBack ? fallbackFolder + kDataFileName : kDataFileName);
  droppedLines = dropped.Count();
  return read;
}

void GameTables::clear() {
  for (std::string& name : typeNames) name.clear();
  for (auto& row : jobNames) {
    for (std::string& name : row) name.clear();
  }
  for (SkillList& list : skillLists) list.clear();
  droppedLines = 0;
}

bool GameTables::typeName(int type, std::string& out) const {
  if (!IsType(type)) return false;
  out = typeNames[type];
  return true;
}

bool GameTables::jobName(int type, int slot, std::string& out) const {
  if (!IsType(type) || slot < 0 || slot >= kJobSlotCount) return false;
  out = jobNames[type][slot];
  return true;
}

int GameTables::skillCount() const {
  std::size_t count = 0;
  for (const SkillList& list : skillLists) count += list.size();
  return static_cast<int>(count);
}

const SkillList& GameTables::skillList(int index) const {
  // Out of range answers an empty list rather than reading past the table.
  static const SkillList kNoSkills;
  if (index < 0 || index >= kSkillListCount) return kNoSkills;
  return skillLists[index];
}
