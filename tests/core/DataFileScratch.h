#pragma once

// Data file lines for the tests, written through the shared scratch folder.

#include <initializer_list>
#include <string>
#include <vector>

#include "data/GameTables.h"
#include "harness/ScratchFolder.h"

// "[name]", a header line without its line end.
inline std::string HeaderLine(const std::string& name) { return "[" + name + "]"; }

// The lines as the shipped file holds them: each ended by CR LF.
inline std::string CrLfLines(std::initializer_list<std::string> lines) {
  std::string bytes;
  for (const std::string& line : lines) bytes += line + "\r\n";
  return bytes;
}

// The keys of a skill list, in list order.
inline std::vector<std::string> SkillKeys(const SkillList& list) {
  std::vector<std::string> keys;
  for (const SkillDefinition& skill : list) keys.push_back(skill.key);
  return keys;
}
