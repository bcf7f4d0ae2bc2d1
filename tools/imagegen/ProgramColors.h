#pragma once

#include "Image.h"

namespace imagegen {

// The program's colours that its images share with its windows.
inline constexpr Rgb kBackColor{192, 224, 255};  // the dialog, and the odd list rows
inline constexpr Rgb kTextNavy{0, 0, 128};
inline constexpr Rgb kMasterRed{255, 0, 0};    // "Master!" and pressed glyphs
inline constexpr Rgb kFrameColor{64, 0, 176};  // the group boxes' frames
inline constexpr Rgb kUnlearntGrey{96, 112, 144};
inline constexpr Rgb kLightEdge{240, 248, 255};  // the step buttons' outer light

}  // namespace imagegen
