#include "skilllist/SkillCellText.h"

#include "skilllist/ColumnTable.h"

namespace {

constexpr char kMastered[] = "Master!";
constexpr char kNoItem[] = "-";

}  // namespace

std::string SkillCellText(const SkillEntry& entry, int rowPoints, int column) {
  switch (column) {
    case kColumnJob:
      return entry.jobLabel;
    case kColumnSkillName:
      return entry.displayName;
    case kColumnLearnLevel:
      return std::to_string(entry.learnLevel);
    case kColumnMasterItem:
      return entry.masterItemCount > 0 ? entry.masterItemName : kNoItem;
    case kColumnItemCount:
      return entry.masterItemCount > 0 ? std::to_string(entry.masterItemCount) : kNoItem;
    case kColumnSkillLevel:
      return SkillLevelText(entry.level, entry.IsMastered());
    case kColumnPoints:
      return std::to_string(rowPoints);
    default:
      return std::string();
  }
}

std::string SkillLevelText(std::int32_t level, bool mastered) {
  return mastered ? kMastered : std::to_string(level);
}
