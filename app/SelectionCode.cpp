#include "app/SelectionCode.h"

#include "plan/JobCodeBits.h"
#include "plan/JobCodeLayout.h"

namespace {

using namespace jobcode;

constexpr int kRank2SJob = 3;
constexpr int kRank2S2Slot = 4;

}  // namespace

int JobCodeOf(const Selection& selection) {
  if (selection.job < 0 || selection.job > kRank2SJob || selection.type < 0 || selection.type >= kTypeCount) return -1;
  JobCode code = kPairBits[selection.type / 2];
  code |= selection.type % 2 == 0 ? kFirstMember : kSecondMember;
  code |= kJobButtonBits[selection.job];
  if (selection.type == kSheepType || selection.type == kDragonType) {
    for (int box = 0; box < kAttributeCount; ++box) {
      if (selection.attributes[box]) code |= kAttributes[box];
    }
  }
  return static_cast<int>(code);
}

int JobButtonSlot(int type, int job, bool dark) {
  return type == kDragonType && job == kRank2SJob && dark ? kRank2S2Slot : job;
}

int PluginJobSlot(JobCode code) {
  if (code & kRank2S) return JobButtonSlot(JobCodeType(code), kRank2SJob, (code & jobcode::kDark) != 0);
  if (code & kRank2H) return 2;
  if (code & kRank1) return 1;
  return 0;
}

int JobButtonOfCode(JobCode code) {
  // S before H: a code holding both is built with the S lists.
  if (code & kRank2S) return 3;
  if (code & kRank2H) return 2;
  if (code & kRank1) return 1;
  if (code & kJobButtonBits[0]) return 0;
  return -1;
}
