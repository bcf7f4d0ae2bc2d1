#include "vexacheck/SelectablePlans.h"

#include <JapaneseText.h>

#include <algorithm>
#include <bitset>
#include <numeric>
#include <unordered_set>

#include "data/DataFileReader.h"
#include "plan/JobCodeBits.h"
#include "plan/JobCodeLayout.h"

namespace {

constexpr int kSheep = 2;
constexpr int kDragon = 3;
// In the order of jobcode::kAttributes, the window's boxes.
constexpr const char* kAttributeGlyphs[] = {
    kDataAttributeWater,   kDataAttributeWind,  kDataAttributeEarth, kDataAttributeFire,
    kDataAttributeThunder, kDataAttributeLight, kDataAttributeDark};
constexpr unsigned kAttributeCount = sizeof kAttributeGlyphs / sizeof kAttributeGlyphs[0];

// Subsets of the attribute boxes, as box bit sets, fewest boxes first.
std::vector<unsigned> BoxSets(int type) {
  if (type != kSheep && type != kDragon) return {0};
  std::vector<unsigned> sets(1u << kAttributeCount);
  std::iota(sets.begin(), sets.end(), 0u);
  std::stable_sort(sets.begin(), sets.end(), [](unsigned a, unsigned b) {
    return std::bitset<kAttributeCount>(a).count() < std::bitset<kAttributeCount>(b).count();
  });
  return sets;
}

JobCode CodeOf(int type, int job, unsigned boxes) {
  JobCode code = jobcode::kPairBits[type / 2] |
                 (type % 2 == 0 ? jobcode::kFirstMember : jobcode::kSecondMember) |
                 jobcode::kJobButtonBits[job];
  for (unsigned box = 0; box < kAttributeCount; ++box) {
    if ((boxes >> box & 1u) != 0) code |= jobcode::kAttributes[box];
  }
  return code;
}

std::uint64_t ListsOf(const JobCodeLayout& layout) {
  std::uint64_t lists = 0;
  for (int list : SelectedLists(layout)) lists |= std::uint64_t{1} << list;
  return lists;
}

// The job key of the plan's last block, then the attributes set.
std::string NameOf(int job, const JobCodeLayout& layout, unsigned boxes) {
  const char* key =
      DataFileReader::jobKey(layout.type, layout.rank2Slot >= 0 ? layout.rank2Slot : job);
  std::string name = key != nullptr ? key : "";
  const char* separator = kCheckAttributeOpen;
  for (unsigned box = 0; box < kAttributeCount; ++box) {
    if ((boxes >> box & 1u) == 0) continue;
    name += separator;
    name += kAttributeGlyphs[box];
    separator = kCheckAttributeSeparator;
  }
  if (boxes != 0) name += kCheckAttributeClose;
  return name;
}

}  // namespace

std::vector<SelectablePlan> SelectablePlans() {
  std::vector<SelectablePlan> plans;
  std::unordered_set<std::uint64_t> seen;
  constexpr int kJobButtons = sizeof jobcode::kJobButtonBits / sizeof jobcode::kJobButtonBits[0];
  for (int type = 0; type < kTypeCount; ++type) {
    for (int job = 0; job < kJobButtons; ++job) {
      for (unsigned boxes : BoxSets(type)) {
        JobCodeLayout layout;
        if (!DecodeJobCode(CodeOf(type, job, boxes), layout)) continue;
        const std::uint64_t lists = ListsOf(layout);
        if (seen.insert(lists).second) plans.push_back({lists, NameOf(job, layout, boxes)});
      }
    }
  }
  return plans;
}
