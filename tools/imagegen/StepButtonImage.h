#pragma once

#include "Image.h"

namespace imagegen {

// The four step cells in column order: "<<", "<", ">", ">>".
enum class StepGlyph { Zero, Down, Up, Max };

// The pixels of step-button image `index` (its order in res/StepImages.h),
// top row the mask colour.
RgbImage BuildStepButtonImage(int index);

}  // namespace imagegen
