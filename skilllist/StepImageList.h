#pragma once

#include <windows.h>

#include <commctrl.h>

// The step-button images, in the order res/StepImages.h gives.

// Loads the module's set for dpi (stepimages::SetFor: the nearest set) into a
// new image list of that set's size; none when any of its bitmaps is missing,
// since a gap would shift every later image. A list shown at another DPI
// needs a new image list unless SetFor gives both DPIs the same set: destroy
// the old one after the list has taken the new one.
HIMAGELIST CreateStepImageList(HINSTANCE module, UINT dpi);

// The image of a step cell; column is 8 to 11.
int StepImageIndex(int row, int column, bool pressed);
