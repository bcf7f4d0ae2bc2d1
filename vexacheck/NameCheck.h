#pragma once

#include "data/GameTables.h"
#include "vexacheck/Finding.h"

// Type and job names that the file leaves empty: the main window would show an
// empty type button or hide a job. Each is reported at the first header of its
// section; a missing section is reported once, for the file as a whole.
void CheckNames(const TypeNameTable& typeNames, const JobNameTable& jobNames, int typeNameHeader,
                int jobNameHeader, Findings& findings);
