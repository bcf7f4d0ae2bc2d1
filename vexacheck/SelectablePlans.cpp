#include "vexacheck/SelectablePlans.h"

#include <JapaneseText.h>

#include <algorithm>
#include <bitset>
#include <unordered_set>

#include "data/DataFileReader.h"
#include "plan/JobCodeLayout.h"
#include "plan/Selection.h"

namespace {

// The data file's glyph of each attribute box.
const char* Glyph(AttributeBox box) {
  switch (box) {
    case AttributeBox::kWater:
      return kDataAttributeWater;
    case AttributeBox::kWind:
      return kDataAttributeWind;
    case AttributeBox::kEarth:
      return kDataAttributeEarth;
    case AttributeBox::kFire:
      return kDataAttributeFire;
    case AttributeBox::kThunder:
      return kDataAttributeThunder;
    case AttributeBox::kLight:
      return kDataAttributeLight;
    case AttributeBox::kDark:
      return kDataAttributeDark;
  }
  return "";
}

using BoxSet = std::bitset<kAttributeCount>;  // bit n: box position n set

// The sets of the boxes that count for a type and job, fewest boxes first.
std::vector<BoxSet> BoxSets(int type, int job) {
  BoxSet enabled;
  for (AttributeBox box : kAttributeBoxes) enabled[Index(box)] = AttributeEnabled(type, job, box);
  std::vector<BoxSet> sets;
  for (unsigned long bits = 0; bits < 1u << kAttributeCount; ++bits) {
    if ((BoxSet(bits) & ~enabled).none()) sets.push_back(BoxSet(bits));
  }
  std::stable_sort(sets.begin(), sets.end(),
                   [](const BoxSet& a, const BoxSet& b) { return a.count() < b.count(); });
  return sets;
}

JobCode CodeOf(int type, int job, const BoxSet& boxes) {
  Selection selection{type, job, {}};
  for (int box = 0; box < kAttributeCount; ++box) selection.attributes[box] = boxes[box];
  return static_cast<JobCode>(JobCodeOf(selection));
}

std::uint64_t ListsOf(const JobCodeLayout& layout) {
  std::uint64_t lists = 0;
  for (int list : SelectedLists(layout)) lists |= std::uint64_t{1} << list;
  return lists;
}

// The job key of the plan's last block, then the attributes set.
std::string NameOf(int job, const JobCodeLayout& layout, const BoxSet& boxes) {
  const char* key =
      DataFileReader::jobKey(layout.type, layout.rank2Slot >= 0 ? layout.rank2Slot : job);
  std::string name = key != nullptr ? key : "";
  const char* separator = kCheckAttributeOpen;
  for (AttributeBox box : kAttributeBoxes) {
    if (!boxes[Index(box)]) continue;
    name += separator;
    name += Glyph(box);
    separator = kCheckAttributeSeparator;
  }
  if (boxes.any()) name += kCheckAttributeClose;
  return name;
}

}  // namespace

std::vector<SelectablePlan> SelectablePlans() {
  std::vector<SelectablePlan> plans;
  std::unordered_set<std::uint64_t> seen;
  for (int type = 0; type < kTypeCount; ++type) {
    for (int job = 0; job < kJobButtonCount; ++job) {
      for (const BoxSet& boxes : BoxSets(type, job)) {
        JobCodeLayout layout;
        if (!DecodeJobCode(CodeOf(type, job, boxes), layout)) continue;
        const std::uint64_t lists = ListsOf(layout);
        if (seen.insert(lists).second) plans.push_back({lists, NameOf(job, layout, boxes)});
      }
    }
  }
  return plans;
}
