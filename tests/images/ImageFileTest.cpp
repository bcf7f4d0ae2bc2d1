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

Bytes ReadFile(const std::string& name) {
    std::ifstream file(std::string(PELL_IMAGE_DIR) + "/" + name, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

std::uint32_t Word(const Bytes& bytes, std::size_t at) { return bytes.at(at) | bytes.at(at + 1) << 8; }
std::uint32_t Dword(const Bytes& bytes, std::size_t at) { return Word(bytes, at) | Word(bytes, at + 2) << 16; }
// The colour at a palette entry or a 32-bit pixel: red, green, blue as stored blue first.
std::tuple<int, int, int> ColorAt(const Bytes& bytes, std::size_t at) {
    return {bytes.at(at + 2), bytes.at(at + 1), bytes.at(at)};
}

// 14-byte file header, 40-byte info header, 16 palette entries, then 15 rows
// of 30 four-bit pixels (16 bytes each), bottom row first.
TEST(StepButtonFiles, EachFileHoldsExactlyItsImageWithAPaletteOfItsColours) {
    for (int index = 0; index < 16; ++index) {
        SCOPED_TRACE("step" + std::to_string(index) + ".bmp");
        const Bytes file = ReadFile("step" + std::to_string(index) + ".bmp");
        ASSERT_EQ(file.size(), 14u + 40u + 64u + 16u * 15u);
        EXPECT_EQ(std::tuple(file[0], file[1], Dword(file, 2), Dword(file, 10)),
                  std::tuple('B', 'M', std::uint32_t(file.size()), 14u + 40u + 64u));
        EXPECT_EQ(std::tuple(Dword(file, 14), Dword(file, 18), Dword(file, 22), Word(file, 26), Word(file, 28),
                             Dword(file, 30)),
                  std::tuple(40u, 30u, 15u, 1u, 4u, 0u))
            << "size, width, height (positive: bottom-up), planes, bits, BI_RGB";
        EXPECT_TRUE(Dword(file, 46) == 0 || Dword(file, 46) == 16) << "colours used";

        const imagegen::RgbImage expected = imagegen::BuildStepButtonImage(index);
        std::set<std::tuple<int, int, int>> imageColors, paletteColors;
        for (int entry = 0; entry < 16; ++entry) paletteColors.insert(ColorAt(file, 54 + 4 * entry));
        for (int y = 0; y < 15; ++y)
            for (int x = 0; x < 30; ++x) {
                const std::uint8_t packed = file[118 + (14 - y) * 16 + x / 2];
                const int entry = x % 2 == 0 ? packed >> 4 : packed & 0x0F;
                const imagegen::Rgb want = expected.At(x, y);
                imageColors.insert({want.red, want.green, want.blue});
                ASSERT_EQ(ColorAt(file, 54 + 4 * entry), std::tuple(want.red, want.green, want.blue))
                    << x << "," << y;
            }
        // Magenta, face, four bevel colours and the glyph: nothing else in the palette.
        EXPECT_EQ(paletteColors, imageColors);
        EXPECT_EQ(paletteColors.size(), 7u);
    }

    imagegen::RgbImage image(17, 1);
    for (int x = 0; x < 17; ++x) image.Set(x, 0, {static_cast<std::uint8_t>(x), 0, 0});
    EXPECT_FALSE(imagegen::EncodeBmp16(image).has_value()) << "more than sixteen colours";
    image.Set(16, 0, {0, 0, 0});
    EXPECT_TRUE(imagegen::EncodeBmp16(image).has_value());
}

TEST(ProgramIconFile, HoldsA16And32PixelImageWithMatchingMasks) {
    const Bytes file = ReadFile("program.ico");
    ASSERT_GE(file.size(), 6u + 2 * 16u);
    EXPECT_EQ(std::tuple(Word(file, 0), Word(file, 2), Word(file, 4)), std::tuple(0u, 1u, 2u))
        << "reserved, icon type, two images";

    std::size_t expectedOffset = 6 + 2 * 16;
    for (int i = 0; i < 2; ++i) {
        const int side = 16 << i;
        SCOPED_TRACE("side " + std::to_string(side));
        const std::size_t entry = 6 + 16 * i;
        const std::uint32_t size = Dword(file, entry + 8);
        const std::uint32_t offset = Dword(file, entry + 12);
        EXPECT_EQ(std::tuple(int(file.at(entry)), int(file.at(entry + 1)), Word(file, entry + 4),
                             Word(file, entry + 6), offset),
                  std::tuple(side, side, 1u, 32u, std::uint32_t(expectedOffset)))
            << "width, height, planes, bits, offset";
        expectedOffset += size;
        const std::size_t maskStride = ((side + 31) / 32) * 4;
        ASSERT_EQ(size, 40u + side * side * 4 + maskStride * side);
        ASSERT_LE(offset + size, file.size());
        EXPECT_EQ(std::tuple(Dword(file, offset), Dword(file, offset + 4), Dword(file, offset + 8),
                             Word(file, offset + 14)),
                  std::tuple(40u, std::uint32_t(side), std::uint32_t(2 * side), 32u))
            << "header size, width, height of colour and mask halves, bits";

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
