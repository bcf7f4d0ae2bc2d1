#include "app/SelectionCode.h"

#include <iterator>

#include "plan/JobCodeBits.h"
#include "plan/JobCodeLayout.h"

namespace {

using namespace jobcode;

static_assert(std::size(kAttributes) == kAttributeCount, "one code bit per attribute box");

}  // namespace

int JobCodeOf(const Selection& selection) {
  if (selection.job < 0 || selection.job > kRank2SJob || selection.type < 0 ||
      selection.type >= kTypeCount)
    return -1;
  JobCode code = kPairBits[selection.type / 2];
  code |= selection.type % 2 == 0 ? kFirstMember : kSecondMember;
  code |= kJobButtonBits[selection.job];
  if (selection.type == kSheep || selection.type == kDragon) {
    for (int box = 0; box < kAttributeCount; ++box) {
      if (selection.attributes[box]) code |= kAttributes[box];
    }
  }
  return static_cast<int>(code);
}

// The job buttons name the job slots of the same number, but for rank 2 (S).
int JobButtonSlot(int type, int job, bool dark) {
  return job == kRank2SJob ? Rank2SSlot(type, dark) : job;
}

int PluginJobSlot(JobCode code) {
  if (code & kRank2S) return Rank2SSlot(JobCodeType(code), (code & jobcode::kDark) != 0);
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
