#pragma once

#include <array>
#include <optional>

#include "plan/PlanTypes.h"

// The selection as the main window's controls hold it, and its rules: the
// code it builds, the job slot each job button names, which attribute boxes
// count and which a set box clears. The window and the data file checker ask
// these; neither knows the code's bits.

// The attribute boxes by position, the elements in the order of their cycle.
// A position is not a code bit (jobcode::AttributeBit).
enum class AttributeBox { kWater, kWind, kEarth, kFire, kThunder, kLight, kDark };
inline constexpr int kAttributeCount = 7;
inline constexpr AttributeBox kAttributeBoxes[kAttributeCount] = {
    AttributeBox::kWater,   AttributeBox::kWind,  AttributeBox::kEarth, AttributeBox::kFire,
    AttributeBox::kThunder, AttributeBox::kLight, AttributeBox::kDark};
constexpr int Index(AttributeBox box) { return static_cast<int>(box); }

// The four job buttons, by position: each rank includes the ranks below it.
enum JobButton { kBasicJob, kRank1Job, kRank2HJob, kRank2SJob, kJobButtonCount };

struct Selection {
  int type = -1;  // character type index 0 to 7, -1 for none
  int job = -1;   // job button, -1 for none
  // The check states, by box position.
  std::array<bool, kAttributeCount> attributes{};
};

// The code a selection builds, or -1 when no type or job is selected.
// Attribute bits count for the sheep and the dragon only, enabled boxes or not.
int JobCodeOf(const Selection& selection);

// The job slot that job button `job` of a type shows: the dragon's fourth
// button is its second S job exactly when dark is set, as the plan is built.
int JobButtonSlot(int type, int job, bool dark);
// Whether that slot changes with dark.
bool JobSlotFollowsDark(int type, int job);

// The job slot the character plug-in is told for a plan's code.
int PluginJobSlot(JobCode code);

// The job button a loaded code selects, or -1 when its rank bits fit none;
// the rank-2 (S) bit wins over (H), as the plan is built.
int JobButtonOfCode(JobCode code);

// A box is enabled when the plan of the type and job takes a list for its
// attribute: the elements for the sheep past the basic job and the dragon at
// rank 2 (H), light and dark for the dragon past it and the sheep at rank 2 (H).
bool AttributeEnabled(int type, int job, AttributeBox box);
// Whether a code holds the box's attribute and that attribute picks a list of
// its plan: a box the window shows set and enabled for the code.
bool AttributeCounts(JobCode code, AttributeBox box);

bool IsLightOrDark(AttributeBox box);
// Whether setting `set` clears `other`: the two elements that are not its
// neighbours in the cycle, or the other of light and dark.
bool Clears(AttributeBox set, AttributeBox other);

// The state a shown code gives a box: its bit, when the code holds a bit of
// the box's group (the elements; light and dark); none, when the box keeps its state.
std::optional<bool> ShownBoxState(JobCode code, AttributeBox box);
