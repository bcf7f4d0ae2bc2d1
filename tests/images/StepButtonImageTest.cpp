#include "StepButtonImage.h"

#include <gtest/gtest.h>

#include <set>
#include <utility>
#include <vector>

namespace {

using imagegen::BuildStepButtonImage;
using imagegen::Rgb;
using imagegen::RgbImage;

constexpr Rgb kMagenta{255, 0, 255};
constexpr Rgb kNavy{0, 0, 128};
constexpr Rgb kRed{255, 0, 0};
constexpr Rgb kOuterLight{240, 248, 255};
constexpr Rgb kInnerShadow{96, 112, 127};
constexpr Rgb kOuterShadow{48, 56, 63};

bool IsPressed(int index) { return index % 2 == 1; }
bool ForEvenRows(int index) { return index >= 8; }
Rgb FaceOf(int index) { return ForEvenRows(index) ? Rgb{180, 212, 244} : Rgb{192, 224, 255}; }
Rgb InnerLightOf(int index) { return ForEvenRows(index) ? Rgb{220, 236, 255} : Rgb{224, 240, 255}; }

// Left pixels of each two-pixel stroke in rows 4 to 10 of a normal image, per glyph "<<", "<", ">", ">>".
const std::vector<std::vector<std::vector<int>>> kStrokeStarts = {
    {{12, 11, 10, 9, 10, 11, 12}, {17, 16, 15, 14, 15, 16, 17}},
    {{15, 14, 13, 12, 13, 14, 15}},
    {{12, 13, 14, 15, 14, 13, 12}},
    {{10, 11, 12, 13, 12, 11, 10}, {15, 16, 17, 18, 17, 16, 15}},
};

std::set<std::pair<int, int>> PixelsOfColor(const RgbImage& image, Rgb color) {
    std::set<std::pair<int, int>> found;
    for (int y = 0; y < image.Height(); ++y)
        for (int x = 0; x < image.Width(); ++x)
            if (image.At(x, y) == color) found.insert({x, y});
    return found;
}

std::set<std::pair<int, int>> ExpectedGlyph(int index) {
    const int shift = IsPressed(index) ? 1 : 0;
    std::set<std::pair<int, int>> pixels;
    for (const std::vector<int>& stroke : kStrokeStarts[(index / 2) % 4])
        for (int row = 0; row < 7; ++row) {
            pixels.insert({stroke[row] + shift, 4 + row + shift});
            pixels.insert({stroke[row] + 1 + shift, 4 + row + shift});
        }
    return pixels;
}

TEST(StepButtonImage, EveryImageIs30By15WithAMagentaMaskRow) {
    for (int index = 0; index < 16; ++index) {
        const RgbImage image = BuildStepButtonImage(index);
        ASSERT_EQ(image.Width(), 30);
        ASSERT_EQ(image.Height(), 15);
        for (int x = 0; x < 30; ++x) EXPECT_EQ(image.At(x, 0), kMagenta) << "image " << index << " x " << x;
        EXPECT_EQ(PixelsOfColor(image, kMagenta).size(), 30u) << "magenta only in the mask row, image " << index;
    }
}

TEST(StepButtonImage, FaceMatchesTheRowBackgroundOfItsHalf) {
    for (int index = 0; index < 16; ++index) {
        const RgbImage image = BuildStepButtonImage(index);
        // Face corners and a point right of every glyph.
        for (auto [x, y] : {std::pair{2, 3}, {27, 3}, {2, 12}, {27, 12}, {24, 7}})
            EXPECT_EQ(image.At(x, y), FaceOf(index)) << "image " << index << " at " << x << "," << y;
    }
}

// The four bevel lines of each side, sampled along their length and at the
// corners: top and left lines run the full length, bottom and right stop short.
TEST(StepButtonImage, NormalBevelIsRaisedAndPressedBevelIsSwapped) {
    for (int index = 0; index < 16; ++index) {
        const RgbImage image = BuildStepButtonImage(index);
        const bool pressed = IsPressed(index);
        const Rgb outerTopLeft = pressed ? kOuterShadow : kOuterLight;
        const Rgb innerTopLeft = pressed ? kInnerShadow : InnerLightOf(index);
        const Rgb innerBottomRight = pressed ? InnerLightOf(index) : kInnerShadow;
        const Rgb outerBottomRight = pressed ? kOuterLight : kOuterShadow;
        SCOPED_TRACE("image " + std::to_string(index));

        for (int x : {0, 15, 29}) EXPECT_EQ(image.At(x, 1), outerTopLeft) << "outer top x " << x;
        for (int y : {1, 8, 14}) EXPECT_EQ(image.At(0, y), outerTopLeft) << "outer left y " << y;
        for (int x : {1, 15, 29}) EXPECT_EQ(image.At(x, 14), outerBottomRight) << "outer bottom x " << x;
        for (int y : {2, 8, 14}) EXPECT_EQ(image.At(29, y), outerBottomRight) << "outer right y " << y;

        for (int x : {1, 15, 28}) EXPECT_EQ(image.At(x, 2), innerTopLeft) << "inner top x " << x;
        for (int y : {2, 8, 13}) EXPECT_EQ(image.At(1, y), innerTopLeft) << "inner left y " << y;
        for (int x : {2, 15, 28}) EXPECT_EQ(image.At(x, 13), innerBottomRight) << "inner bottom x " << x;
        for (int y : {3, 8, 13}) EXPECT_EQ(image.At(28, y), innerBottomRight) << "inner right y " << y;

        EXPECT_EQ(PixelsOfColor(image, outerTopLeft).size(), 30u + 13u);
        EXPECT_EQ(PixelsOfColor(image, outerBottomRight).size(), 29u + 12u);
    }
}

TEST(StepButtonImage, GlyphsSitWhereDescribedAndPressedOnesSinkOnePixel) {
    for (int index = 0; index < 16; ++index) {
        const RgbImage image = BuildStepButtonImage(index);
        const Rgb ink = IsPressed(index) ? kRed : kNavy;
        const Rgb otherInk = IsPressed(index) ? kNavy : kRed;
        EXPECT_EQ(PixelsOfColor(image, ink), ExpectedGlyph(index)) << "image " << index;
        EXPECT_TRUE(PixelsOfColor(image, otherInk).empty()) << "image " << index;
    }
}

TEST(StepButtonImage, EvenRowImagesDifferFromOddOnlyInFaceAndInnerLight) {
    for (int index = 0; index < 8; ++index) {
        const RgbImage odd = BuildStepButtonImage(index);
        const RgbImage even = BuildStepButtonImage(index + 8);
        for (int y = 0; y < 15; ++y)
            for (int x = 0; x < 30; ++x) {
                if (odd.At(x, y) == FaceOf(index))
                    EXPECT_EQ(even.At(x, y), FaceOf(index + 8));
                else if (odd.At(x, y) == InnerLightOf(index))
                    EXPECT_EQ(even.At(x, y), InnerLightOf(index + 8));
                else
                    EXPECT_EQ(even.At(x, y), odd.At(x, y)) << index << " at " << x << "," << y;
            }
    }
}

}  // namespace
