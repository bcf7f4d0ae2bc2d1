/* Resource ids of the program module, shared by the .rc files and the C++ code. */
#pragma once

#define IDI_PROGRAM 102 /* icon group: the window's large and small icon */
/* The step-button images: one block of IDB_STEP_COUNT bitmaps per set
   (stepimages::kSetDpis), a hundred ids apart: 103-118 the 96-DPI set,
   203-218 the 120-DPI set, 303-318 144, 403-418 168, 503-518 192. */
#define IDB_STEP_FIRST 103
#define IDB_STEP_COUNT 16
#define IDB_STEP_SET_STRIDE 100
#define IDB_STEP(set, index) (IDB_STEP_FIRST + (set)*IDB_STEP_SET_STRIDE + (index))
