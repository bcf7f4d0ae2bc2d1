#include "data/SkillLineParser.h"

#include <JapaneseText.h>

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

// Why a field that must hold a number of 1 or more does not: the common
// slips are told apart from a number that is too small.
LineFault PositiveFault(std::string_view field) {
  if (StartsWithDecimal(field)) return LineFault::kBelowOne;
  const std::string_view digits = kDataFullWidthDigits;  // two bytes each
  for (std::size_t at = 0; at < digits.size(); at += 2) {
    if (field.substr(0, 2) == digits.substr(at, 2)) return LineFault::kFullWidthDigits;
  }
  return LineFault::kNotANumber;
}

// Learn level, learn points and master points must be 1 or more.
LineFault ReadPositive(std::string_view field, std::int32_t& value) {
  value = ReadDecimal(field);
  return value >= 1 ? LineFault::kNone : PositiveFault(field);
}

// A full-width space separates nothing, so a line written with it lacks fields.
LineFault MissingFieldFault(std::string_view content) {
  return content.find(kDataFullWidthSpace) == std::string_view::npos
             ? LineFault::kFieldMissing
             : LineFault::kFieldMissingFullWidthSpace;
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
  const std::string_view whole = content;
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
    if (text.empty()) return {MissingFieldFault(whole), field};
  }

  LineFault fault = ReadPositive(learnLevel, skill.learnLevel);
  if (fault != LineFault::kNone) return {fault, kLearnLevelField};
  fault = ReadPositive(learnPoints, skill.learnPoints);
  if (fault != LineFault::kNone) return {fault, kLearnPointsField};
  if (masterPoints != kNone) {
    fault = ReadPositive(masterPoints, skill.masterPoints);
    // Master points may also be "-", which the message says.
    if (fault == LineFault::kBelowOne) fault = LineFault::kNeitherDashNorPositive;
    if (fault != LineFault::kNone) return {fault, kMasterPointsField};
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
