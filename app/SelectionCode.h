#pragma once

#include "app/AttributeRules.h"
#include "plan/GameDatabase.h"

// The selection as the main window's controls hold it.
struct Selection {
  int type = -1;  // character type index 0 to 7, -1 for none
  int job = -1;   // job button index 0 to 3, -1 for none
  bool attributes[kAttributeCount] = {};
};

// The code a selection builds, or -1 when no job is selected. Attribute bits
// count for the sheep and the dragon only, enabled boxes or not.
int JobCodeOf(const Selection& selection);

// The job slot that job button `job` of a type shows: the dragon's fourth
// button is its second S job exactly when dark is set, as the plan is built.
int JobButtonSlot(int type, int job, bool dark);

// The job slot the character plug-in is told for a plan's code.
int PluginJobSlot(JobCode code);

// The job button a loaded code selects, or -1 when its rank bits fit none;
// the rank-2 (S) bit wins over (H), as the plan is built.
int JobButtonOfCode(JobCode code);
