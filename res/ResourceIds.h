/* Resource ids of the program module, shared by the .rc files and the C++ code. */
#pragma once

#define IDI_PROGRAM 102    /* icon group: the window's large and small icon */
#define IDB_STEP_FIRST 103 /* step-button image k is bitmap IDB_STEP_FIRST + k */
#define IDB_STEP_COUNT 16
