#include "plan/Selection.h"

#include "data/GameTables.h"
#include "plan/JobCodeBits.h"
#include "plan/JobCodeLayout.h"

namespace {

using namespace jobcode;

// The one place where a box position meets its code bit.
constexpr AttributeBit kBoxBits[kAttributeCount] = {
    AttributeBit::kWater,   AttributeBit::kWind,  AttributeBit::kEarth, AttributeBit::kFire,
    AttributeBit::kThunder, AttributeBit::kLight, AttributeBit::kDark};
constexpr int kElementCount = 5;

JobCode BoxBit(AttributeBox box) { return Bits(kBoxBits[Index(box)]); }

// The rank bits of the job buttons.
constexpr JobCode kJobButtonBits[kJobButtonCount] = {
    kBasic, kBasic | kRank1, kBasic | kRank1 | kRank2H, kBasic | kRank1 | kRank2S};

}  // namespace

int JobCodeOf(const Selection& selection) {
  if (selection.job < 0 || selection.job >= kJobButtonCount || selection.type < 0 ||
      selection.type >= kTypeCount)
    return -1;
  JobCode code = kPairBits[selection.type / 2];
  code |= selection.type % 2 == 0 ? kFirstMember : kSecondMember;
  code |= kJobButtonBits[selection.job];
  if (selection.type == kSheep || selection.type == kDragon) {
    for (AttributeBox box : kAttributeBoxes) {
      if (selection.attributes[Index(box)]) code |= BoxBit(box);
    }
  }
  return static_cast<int>(code);
}

// The job buttons name the job slots of the same number, but for rank 2 (S).
int JobButtonSlot(int type, int job, bool dark) {
  return job == kRank2SJob ? Rank2SSlot(type, dark) : job;
}

bool JobSlotFollowsDark(int type, int job) {
  return JobButtonSlot(type, job, true) != JobButtonSlot(type, job, false);
}

int PluginJobSlot(JobCode code) {
  if (code & kRank2S) return Rank2SSlot(JobCodeType(code), (code & Bits(AttributeBit::kDark)) != 0);
  if (code & kRank2H) return kRank2HSlot;
  if (code & kRank1) return kRank1Slot;
  return kBasicSlot;
}

int JobButtonOfCode(JobCode code) {
  // S before H: a code holding both is built with the S lists.
  if (code & kRank2S) return kRank2SJob;
  if (code & kRank2H) return kRank2HJob;
  if (code & kRank1) return kRank1Job;
  if (code & kBasic) return kBasicJob;
  return -1;
}

bool AttributeEnabled(int type, int job, AttributeBox box) {
  const int code = JobCodeOf(Selection{type, job, {}});
  return code > 0 && (AttributesThatCount(static_cast<JobCode>(code)) & BoxBit(box)) != 0;
}

bool AttributeCounts(JobCode code, AttributeBox box) {
  return (code & AttributesThatCount(code) & BoxBit(box)) != 0;
}

bool IsLightOrDark(AttributeBox box) {
  return box == AttributeBox::kLight || box == AttributeBox::kDark;
}

bool Clears(AttributeBox set, AttributeBox other) {
  if (set == other || IsLightOrDark(set) != IsLightOrDark(other)) return false;
  if (IsLightOrDark(set)) return true;
  const int apart = (Index(other) - Index(set) + kElementCount) % kElementCount;
  return apart != 1 && apart != kElementCount - 1;
}

std::optional<bool> ShownBoxState(JobCode code, AttributeBox box) {
  const JobCode group = IsLightOrDark(box) ? kLightDark : kElements;
  if ((code & group) == 0) return std::nullopt;
  return (code & BoxBit(box)) != 0;
}
