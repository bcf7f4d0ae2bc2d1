#include "vexacheck/SelectablePlans.h"

#include <algorithm>
#include <array>
#include <bitset>
#include <unordered_set>

#include "data/DataFileReader.h"
#include "plan/JobCodeLayout.h"
#include "plan/Selection.h"
#include "plan/SelectionText.h"

namespace {

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
  std::array<bool, kAttributeCount> set{};
  for (int box = 0; box < kAttributeCount; ++box) set[box] = boxes[box];
  return (key != nullptr ? key : "") + AttributeListText(set);
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
