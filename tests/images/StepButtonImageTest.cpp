#include "StepButtonImage.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

using imagegen::Rgb;

constexpr Rgb kMagenta{255, 0, 255};
constexpr Rgb kNavy{0, 0, 128};
constexpr Rgb kRed{255, 0, 0};
constexpr Rgb kOuterLight{240, 248, 255};
constexpr Rgb kInnerShadow{96, 112, 127};
constexpr Rgb kOuterShadow{48, 56, 63};

// Left pixels of each two-pixel stroke in rows 4 to 10 of a normal image, per glyph "<<", "<", ">", ">>".
const std::vector<std::vector<std::vector<int>>> kStrokeStarts = {
    {{12, 11, 10, 9, 10, 11, 12}, {17, 16, 15, 14, 15, 16, 17}},
    {{15, 14, 13, 12, 13, 14, 15}},
    {{12, 13, 14, 15, 14, 13, 12}},
    {{10, 11, 12, 13, 12, 11, 10}, {15, 16, 17, 18, 17, 16, 15}},
};

// The colour pixel (x, y) of image `index` must have: images come in normal and
// pressed pairs per glyph, the last eight for even list rows with a darker face
// and inner light. Row 0 is the magenta mask; below it two bevel rings whose
// top and left lines run the full length (raised, or swapped when pressed);
// a pressed glyph sinks one pixel right and down and turns red.
Rgb ExpectedPixel(int index, int x, int y) {
    const bool pressed = index % 2 == 1;
    const bool evenRow = index >= 8;
    const Rgb face = evenRow ? Rgb{180, 212, 244} : Rgb{192, 224, 255};
    const Rgb innerLight = evenRow ? Rgb{220, 236, 255} : Rgb{224, 240, 255};
    if (y == 0) return kMagenta;
    const int shift = pressed ? 1 : 0;
    for (const std::vector<int>& stroke : kStrokeStarts[(index / 2) % 4]) {
        const int row = y - 4 - shift;
        if (row >= 0 && row < 7 && (x - shift == stroke[row] || x - shift == stroke[row] + 1))
            return pressed ? kRed : kNavy;
    }
    const int ring = std::min({x, y - 1, 29 - x, 14 - y});
    const bool topOrLeft = x == ring || y - 1 == ring;
    if (ring == 0) return topOrLeft != pressed ? kOuterLight : kOuterShadow;
    if (ring == 1) return topOrLeft != pressed ? innerLight : kInnerShadow;
    return face;
}

TEST(StepButtonImage, EveryPixelOfEveryImageFollowsTheDrawingRules) {
    for (int index = 0; index < 16; ++index) {
        const imagegen::RgbImage image = imagegen::BuildStepButtonImage(index);
        ASSERT_EQ(image.Width(), 30);
        ASSERT_EQ(image.Height(), 15);
        int wrong = 0;
        for (int y = 0; y < 15; ++y)
            for (int x = 0; x < 30; ++x) {
                const Rgb want = ExpectedPixel(index, x, y);
                const Rgb got = image.At(x, y);
                if (got != want && ++wrong <= 5)
                    ADD_FAILURE() << "image " << index << " at " << x << "," << y << ": got " << +got.red << ","
                                  << +got.green << "," << +got.blue << " want " << +want.red << "," << +want.green
                                  << "," << +want.blue;
            }
        EXPECT_EQ(wrong, 0) << "image " << index;
    }
}

}  // namespace
