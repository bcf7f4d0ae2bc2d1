#pragma once

#include <windows.h>

#include <commctrl.h>

// The step-button images, in the order res/StepImages.h gives.

// Loads bitmaps 103 to 118 of the module into a new image list; none when any
// of them is missing, since a gap would shift every later image.
HIMAGELIST CreateStepImageList(HINSTANCE module);

// The image of a step cell; column is 8 to 11.
int StepImageIndex(int row, int column, bool pressed);
