#include "data/SkillLineParser.h"

#include <initializer_list>
#include <string>

#include "data/TextUtil.h"

namespace {

constexpr std::string_view kNone = "-";
constexpr int kLearnLevelField = 3;
constexpr int kLearnPointsField = 4;
constexpr int kMasterPointsField = 5;
constexpr int kMasterItemField = 6;
constexpr int kFirstPrerequisiteField = 7;

// Learn level, learn points and master points must be 1 or more.
bool ReadPositive(std::string_view field, std::int32_t& value) {
  value = ReadDecimal(field);
  return value >= 1;
}

// "name:count" or "key:level"; with no ':' the number is 0.
struct NameAndNumber {
  std::string_view name;
  std::int32_t number;
};

NameAndNumber ReadNameAndNumber(std::string_view field) {
  const SplitText parts = splitAt(field, ":");
  return NameAndNumber{parts.head, ReadDecimal(parts.rest)};
}

}  // namespace

LineReport ParseSkillLine(std::string_view content, SkillDefinition& skill) {
  const std::string_view key = nextToken(content);
  const std::string_view displayName = nextToken(content);
  const std::string_view learnLevel = nextToken(content);
  const std::string_view learnPoints = nextToken(content);
  const std::string_view masterPoints = nextToken(content);
  const std::string_view masterItem = nextToken(content);
  int field = 0;
  for (std::string_view text :
       {key, displayName, learnLevel, learnPoints, masterPoints, masterItem}) {
    ++field;
    if (text.empty()) return {LineFault::kFieldMissing, field};
  }

  if (!ReadPositive(learnLevel, skill.learnLevel)) return {LineFault::kBelowOne, kLearnLevelField};
  if (!ReadPositive(learnPoints, skill.learnPoints)) {
    return {LineFault::kBelowOne, kLearnPointsField};
  }
  if (masterPoints != kNone && !ReadPositive(masterPoints, skill.masterPoints)) {
    return {LineFault::kNeitherDashNorPositive, kMasterPointsField};
  }
  if (masterItem != kNone) {
    const NameAndNumber item = ReadNameAndNumber(masterItem);
    if (item.number < 0) return {LineFault::kNegative, kMasterItemField};
    skill.masterItemName = item.name;
    skill.masterItemCount = item.number;
  }
  for (field = kFirstPrerequisiteField; !content.empty(); ++field) {
    const NameAndNumber required = ReadNameAndNumber(nextToken(content));
    if (required.number < 0) return {LineFault::kNegative, field};
    skill.prerequisites.emplace_back(std::string(required.name), required.number);
  }
  skill.key = key;
  skill.displayName = displayName;
  return {};
}
