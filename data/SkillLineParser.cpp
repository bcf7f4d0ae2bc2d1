#include "data/SkillLineParser.h"

#include <initializer_list>

#include "data/TextUtil.h"

namespace {

constexpr char kNone[] = "-";

// Learn level, learn points and master points must be 1 or more.
bool ReadPositive(const std::string& field, std::int32_t& value) {
  value = ReadDecimal(field);
  return value >= 1;
}

// "name:count" or "key:level"; with no ':' the number is 0. It may not be negative.
bool ReadNameAndNumber(const std::string& field, std::string& name, std::int32_t& number) {
  SplitText parts = splitAt(field, ":");
  name = std::move(parts.head);
  number = ReadDecimal(parts.rest);
  return number >= 0;
}

}  // namespace

bool ParseSkillLine(std::string content, SkillDefinition& skill) {
  SkillDefinition parsed;
  parsed.key = nextToken(content);
  parsed.displayName = nextToken(content);
  const std::string learnLevel = nextToken(content);
  const std::string learnPoints = nextToken(content);
  const std::string masterPoints = nextToken(content);
  const std::string masterItem = nextToken(content);
  const std::initializer_list<const std::string*> required = {
      &parsed.key, &parsed.displayName, &learnLevel, &learnPoints, &masterPoints, &masterItem};
  for (const std::string* field : required) {
    if (field->empty()) return false;
  }

  if (!ReadPositive(learnLevel, parsed.learnLevel)) return false;
  if (!ReadPositive(learnPoints, parsed.learnPoints)) return false;
  if (masterPoints != kNone && !ReadPositive(masterPoints, parsed.masterPoints)) return false;
  if (masterItem != kNone &&
      !ReadNameAndNumber(masterItem, parsed.masterItemName, parsed.masterItemCount)) {
    return false;
  }
  while (!content.empty()) {
    SkillPrerequisite prerequisite;
    if (!ReadNameAndNumber(nextToken(content), prerequisite.key, prerequisite.level)) return false;
    parsed.prerequisites.push_back(std::move(prerequisite));
  }

  skill = std::move(parsed);
  return true;
}
