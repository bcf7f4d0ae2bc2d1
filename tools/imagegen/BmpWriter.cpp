#include "BmpWriter.h"

#include "ByteBuffer.h"

#include <algorithm>

namespace imagegen {
namespace {

constexpr std::size_t kPaletteSize = 16;
constexpr int kBitsPerPixel = 4;
constexpr std::uint32_t kFileHeaderSize = 14;
constexpr std::uint32_t kInfoHeaderSize = 40;

// The colours in order of first appearance, top row first.
std::vector<Rgb> ColorsOf(const RgbImage& image) {
  std::vector<Rgb> colors;
  for (int y = 0; y < image.Height(); ++y)
    for (int x = 0; x < image.Width(); ++x)
      if (std::find(colors.begin(), colors.end(), image.At(x, y)) == colors.end())
        colors.push_back(image.At(x, y));
  return colors;
}

std::uint8_t IndexOf(const std::vector<Rgb>& palette, Rgb color) {
  return static_cast<std::uint8_t>(std::find(palette.begin(), palette.end(), color) -
                                   palette.begin());
}

}  // namespace

std::optional<std::vector<std::uint8_t>> EncodeBmp16(const RgbImage& image) {
  std::vector<Rgb> palette = ColorsOf(image);
  if (palette.size() > kPaletteSize) return std::nullopt;
  // Unused entries repeat the first colour, so the palette holds no colour
  // that the image does not use, yet readers that ignore biClrUsed still find 16.
  palette.resize(kPaletteSize, palette.empty() ? Rgb{} : palette.front());

  const std::uint32_t stride = DibRowStride(image.Width(), kBitsPerPixel);
  const std::uint32_t imageSize = stride * static_cast<std::uint32_t>(image.Height());
  const std::uint32_t pixelOffset = kFileHeaderSize + kInfoHeaderSize + 4 * kPaletteSize;

  ByteBuffer out;
  out.PutByte('B');
  out.PutByte('M');
  out.PutDword(pixelOffset + imageSize);
  out.PutDword(0);  // reserved
  out.PutDword(pixelOffset);
  PutBitmapInfoHeader(out, image.Width(), image.Height(), kBitsPerPixel, imageSize, kPaletteSize);
  for (Rgb color : palette) {
    out.PutByte(color.blue);
    out.PutByte(color.green);
    out.PutByte(color.red);
    out.PutByte(0);
  }
  for (int y = image.Height() - 1; y >= 0; --y) {
    std::vector<std::uint8_t> row(stride, 0);
    for (int x = 0; x < image.Width(); ++x) {
      const std::uint8_t index = IndexOf(palette, image.At(x, y));
      row[x / 2] |= (x % 2 == 0) ? static_cast<std::uint8_t>(index << 4) : index;
    }
    out.Append(row);
  }
  return out.Bytes();
}

}  // namespace imagegen
