// The table side of GameDatabase: loading and reading the data file's tables.
#include "plan/GameDatabase.h"

#include "data/DataFileReader.h"
#include "data/DroppedLineCounter.h"

namespace {

constexpr char kDataFileName[] = "vexa.dat";  // looked for in the working directory only

bool IsType(int type) { return type >= 0 && type < kTypeCount; }

}  // namespace

GameDatabase::GameDatabase() = default;

GameDatabase::~GameDatabase() { clear(); }

bool GameDatabase::load() {
  clear();
  DataFileReader reader;
  reader.setTypeNames(typeNames);
  reader.setJobNames(jobNames);
  reader.setSkillLists(skillLists);
  DroppedLineCounter dropped;
  reader.setObserver(dropped);
  const bool read = reader.readFile(kDataFileName);
  droppedLines = dropped.Count();
  return read;
}

void GameDatabase::clear() {
  std::lock_guard<std::recursive_mutex> lock(planLock);
  for (std::string& name : typeNames) name.clear();
  for (auto& row : jobNames) {
    for (std::string& name : row) name.clear();
  }
  for (SkillList& list : skillLists) list.clear();
  std::vector<std::string>().swap(rowKeys);  // releases the storage too
  jobCode = 0;
  droppedLines = 0;
  totalValid = false;
  ForgetHistory();  // its rows belong to the tables just dropped
}

bool GameDatabase::typeName(int type, std::string& out) const {
  if (!IsType(type)) return false;
  out = typeNames[type];
  return true;
}

bool GameDatabase::jobName(int type, int slot, std::string& out) const {
  if (!IsType(type) || slot < 0 || slot >= kJobSlotCount) return false;
  out = jobNames[type][slot];
  return true;
}

int GameDatabase::skillCount() const {
  std::size_t count = 0;
  for (const SkillList& list : skillLists) count += list.size();
  return static_cast<int>(count);
}

const SkillList& GameDatabase::skillList(int index) const {
  // Out of range answers an empty list rather than reading past the table.
  static const SkillList kNoSkills;
  if (index < 0 || index >= kSkillListCount) return kNoSkills;
  return skillLists[index];
}
