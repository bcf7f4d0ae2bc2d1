#pragma once

#include "Image.h"

namespace imagegen {

// The four step cells in column order: "<<", "<", ">", ">>".
enum class StepGlyph { Zero, Down, Up, Max };

// The pixels of step-button image `index` (its order in res/StepImages.h)
// drawn at dpi: the design's lengths scaled, its one-pixel lines
// display::LineWidth thick, top rows the mask colour.
RgbImage BuildStepButtonImage(int index, int dpi);

}  // namespace imagegen
