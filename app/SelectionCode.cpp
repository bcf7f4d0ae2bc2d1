#include "app/SelectionCode.h"

#include "plan/JobCodeLayout.h"

namespace {

constexpr JobCode kTypePairBits[] = {0x10, 0x20, 0x40, 0x80};
constexpr JobCode kEvenTypeBit = 2;
constexpr JobCode kOddTypeBit = 1;
constexpr JobCode kJobBits[] = {0x100, 0x300, 0x1300, 0x2300};
constexpr JobCode kRank1Bit = 0x200;
constexpr JobCode kRank2HBit = 0x1000;
constexpr JobCode kRank2SBit = 0x2000;
constexpr int kRank2SJob = 3;
constexpr int kRank2S2Slot = 4;

}  // namespace

int JobCodeOf(const Selection& selection) {
  if (selection.job < 0 || selection.job > kRank2SJob || selection.type < 0 || selection.type >= kTypeCount) return -1;
  JobCode code = kTypePairBits[selection.type / 2];
  code |= selection.type % 2 == 0 ? kEvenTypeBit : kOddTypeBit;
  code |= kJobBits[selection.job];
  if (selection.type == kSheepType || selection.type == kDragonType) {
    for (int box = 0; box < kAttributeCount; ++box) {
      if (selection.attributes[box]) code |= kAttributeBits[box];
    }
  }
  return static_cast<int>(code);
}

int JobButtonSlot(int type, int job, bool dark) {
  return type == kDragonType && job == kRank2SJob && dark ? kRank2S2Slot : job;
}

int PluginJobSlot(JobCode code) {
  if (code & kRank2SBit) return JobButtonSlot(JobCodeType(code), kRank2SJob, (code & kAttributeBits[kDark]) != 0);
  if (code & kRank2HBit) return 2;
  if (code & kRank1Bit) return 1;
  return 0;
}

int JobButtonOfCode(JobCode code) {
  // S before H: a code holding both is built with the S lists.
  if (code & kRank2SBit) return 3;
  if (code & kRank2HBit) return 2;
  if (code & kRank1Bit) return 1;
  if (code & kJobBits[0]) return 0;
  return -1;
}
