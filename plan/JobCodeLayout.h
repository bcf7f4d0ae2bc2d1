#pragma once

#include <array>
#include <vector>

#include "plan/PlanTypes.h"

// What a JobCode selects: the character type, the skill lists of each job
// block (unused places hold -1) and the job slot that labels the rank-2 block.
struct JobCodeLayout {
  static constexpr int kMaxLists = 8;
  using ListIndices = std::array<int, kMaxLists>;

  int type = -1;
  ListIndices baseLists{};
  ListIndices rank1Lists{};
  ListIndices rank2Lists{};
  int rank2Slot = -1;        // -1 when the code has no rank-2 block
  bool rank2Plus50 = false;  // the H block learns 50 levels later
};

// The character type index a code names, or -1 when its type-pair bits are
// not one of the four pairs.
int JobCodeType(JobCode code);

// The job slot of a type's rank 2 (S): the dragon's second S job when dark is
// set, else kRank2SSlot. The plan's rank-2 label and the window's fourth job
// button both follow it.
int Rank2SSlot(int type, bool dark);

// Decodes a code; false, with layout untouched, when the code names no type.
bool DecodeJobCode(JobCode code, JobCodeLayout& layout);

// The attribute bits that decide which lists a code takes, whatever of them
// it holds: none for a code that names no type.
JobCode AttributesThatCount(JobCode code);

// Every skill list a layout selects, block by block in the order the plan takes them.
std::vector<int> SelectedLists(const JobCodeLayout& layout);
