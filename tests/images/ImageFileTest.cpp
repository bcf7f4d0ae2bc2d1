// Reads the generated files back as Windows would: the step bitmaps as 4-bit
// bottom-up DIBs, the icon as an icon directory of 32-bit DIBs with AND masks.
#include "BmpWriter.h"
#include "ProgramIcon.h"
#include "StepButtonImage.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <tuple>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes ReadFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

std::uint32_t Word(const Bytes& bytes, std::size_t at) { return bytes.at(at) | bytes.at(at + 1) << 8; }
std::uint32_t Dword(const Bytes& bytes, std::size_t at) { return Word(bytes, at) | Word(bytes, at + 2) << 16; }
std::int32_t Long(const Bytes& bytes, std::size_t at) { return static_cast<std::int32_t>(Dword(bytes, at)); }

std::string StepPath(int index) { return std::string(PELL_IMAGE_DIR) + "/step" + std::to_string(index) + ".bmp"; }

// Decodes a 4-bit BI_RGB .bmp; fails the test on any other layout.
imagegen::RgbImage DecodeBmp16(const Bytes& file) {
    EXPECT_EQ(file.at(0), 'B');
    EXPECT_EQ(file.at(1), 'M');
    EXPECT_EQ(Dword(file, 2), file.size());
    const std::size_t info = 14;
    EXPECT_EQ(Dword(file, info), 40u);
    const int width = Long(file, info + 4);
    const int height = Long(file, info + 8);
    EXPECT_GT(height, 0) << "bottom-up";
    EXPECT_EQ(Word(file, info + 12), 1u);
    EXPECT_EQ(Word(file, info + 14), 4u);
    EXPECT_EQ(Dword(file, info + 16), 0u) << "BI_RGB";
    const std::uint32_t colorsUsed = Dword(file, info + 32);
    EXPECT_TRUE(colorsUsed == 0 || colorsUsed == 16) << colorsUsed;
    const std::size_t palette = info + 40;
    const std::uint32_t pixels = Dword(file, 10);
    EXPECT_EQ(pixels, palette + 16 * 4);
    const std::size_t stride = ((width * 4 + 31) / 32) * 4;
    EXPECT_EQ(file.size(), pixels + stride * height);

    imagegen::RgbImage image(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const std::uint8_t packed = file.at(pixels + (height - 1 - y) * stride + x / 2);
            const std::size_t entry = palette + 4 * ((x % 2 == 0) ? packed >> 4 : packed & 0x0F);
            image.Set(x, y, {file.at(entry + 2), file.at(entry + 1), file.at(entry)});
        }
    return image;
}

std::set<std::tuple<int, int, int>> ColorSet(const imagegen::RgbImage& image) {
    std::set<std::tuple<int, int, int>> colors;
    for (int y = 0; y < image.Height(); ++y)
        for (int x = 0; x < image.Width(); ++x) colors.insert({image.At(x, y).red, image.At(x, y).green, image.At(x, y).blue});
    return colors;
}

TEST(StepButtonFiles, EachFileHoldsExactlyItsImageWithAPaletteOfItsColours) {
    for (int index = 0; index < 16; ++index) {
        SCOPED_TRACE(StepPath(index));
        const Bytes file = ReadFile(StepPath(index));
        ASSERT_EQ(file.size(), 14u + 40u + 64u + 16u * 15u);
        const imagegen::RgbImage decoded = DecodeBmp16(file);
        const imagegen::RgbImage expected = imagegen::BuildStepButtonImage(index);
        ASSERT_EQ(decoded.Width(), 30);
        ASSERT_EQ(decoded.Height(), 15);
        for (int y = 0; y < 15; ++y)
            for (int x = 0; x < 30; ++x) ASSERT_EQ(decoded.At(x, y), expected.At(x, y)) << x << "," << y;

        // Magenta, face, four bevel colours and the glyph: nothing else in the palette.
        std::set<std::tuple<int, int, int>> paletteColors;
        for (int entry = 0; entry < 16; ++entry) {
            const std::size_t at = 54 + 4 * entry;
            paletteColors.insert({file[at + 2], file[at + 1], file[at]});
        }
        EXPECT_EQ(paletteColors, ColorSet(expected));
        EXPECT_EQ(paletteColors.size(), 7u);
    }
}

TEST(StepButtonFiles, MoreThanSixteenColoursCannotBeEncoded) {
    imagegen::RgbImage image(17, 1);
    for (int x = 0; x < 17; ++x) image.Set(x, 0, {static_cast<std::uint8_t>(x), 0, 0});
    EXPECT_FALSE(imagegen::EncodeBmp16(image).has_value());
    image.Set(16, 0, {0, 0, 0});
    EXPECT_TRUE(imagegen::EncodeBmp16(image).has_value());
}

TEST(ProgramIconFile, HoldsA16And32PixelImageWithMatchingMasks) {
    const Bytes file = ReadFile(std::string(PELL_IMAGE_DIR) + "/program.ico");
    ASSERT_GE(file.size(), 6u + 2 * 16u);
    EXPECT_EQ(Word(file, 0), 0u);
    EXPECT_EQ(Word(file, 2), 1u) << "icon type";
    ASSERT_EQ(Word(file, 4), 2u);

    const int sides[] = {16, 32};
    std::size_t expectedOffset = 6 + 2 * 16;
    for (int i = 0; i < 2; ++i) {
        const int side = sides[i];
        SCOPED_TRACE("side " + std::to_string(side));
        const std::size_t entry = 6 + 16 * i;
        EXPECT_EQ(file.at(entry), side);
        EXPECT_EQ(file.at(entry + 1), side);
        EXPECT_EQ(Word(file, entry + 4), 1u);
        EXPECT_EQ(Word(file, entry + 6), 32u);
        const std::uint32_t size = Dword(file, entry + 8);
        const std::uint32_t offset = Dword(file, entry + 12);
        EXPECT_EQ(offset, expectedOffset);
        expectedOffset += size;
        ASSERT_LE(offset + size, file.size());

        EXPECT_EQ(Dword(file, offset), 40u);
        EXPECT_EQ(Long(file, offset + 4), side);
        EXPECT_EQ(Long(file, offset + 8), 2 * side) << "colour and mask halves";
        EXPECT_EQ(Word(file, offset + 14), 32u);
        const std::size_t maskStride = ((side + 31) / 32) * 4;
        ASSERT_EQ(size, 40u + side * side * 4 + maskStride * side);

        // Colour rows and mask rows are bottom-up; the mask hides the pixels less than half covered.
        const imagegen::RgbaImage expected = imagegen::BuildProgramIcon(side);
        const std::size_t colors = offset + 40;
        const std::size_t mask = colors + side * side * 4;
        for (int y = 0; y < side; ++y)
            for (int x = 0; x < side; ++x) {
                const std::size_t pixel = colors + ((side - 1 - y) * side + x) * 4;
                const imagegen::Rgba want = expected.At(x, y);
                ASSERT_EQ(std::tuple(file[pixel + 2], file[pixel + 1], file[pixel], file[pixel + 3]),
                          std::tuple(want.red, want.green, want.blue, want.alpha)) << x << "," << y;
                const bool masked = file[mask + (side - 1 - y) * maskStride + x / 8] & (0x80 >> (x % 8));
                ASSERT_EQ(masked, want.alpha < 128) << x << "," << y;
            }
    }
    EXPECT_EQ(expectedOffset, file.size());
}

}  // namespace
