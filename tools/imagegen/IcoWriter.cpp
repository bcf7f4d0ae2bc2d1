#include "IcoWriter.h"

#include "ByteBuffer.h"

namespace imagegen {
namespace {

constexpr std::uint32_t kDirectoryHeaderSize = 6;
constexpr std::uint32_t kDirectoryEntrySize = 16;
constexpr int kColorBits = 32;
constexpr int kMaskBits = 1;
// Where alpha is not used, the AND mask alone decides: show a pixel when at least half covered.
constexpr std::uint8_t kOpaqueAlpha = 128;

std::uint8_t DirectorySide(int side) { return static_cast<std::uint8_t>(side == 256 ? 0 : side); }

// The DIB of one icon image: header (height doubled for the mask), colour rows, mask rows.
std::vector<std::uint8_t> EncodeIconImage(const RgbaImage& image) {
  const int width = image.Width();
  const int height = image.Height();
  const std::uint32_t maskStride = DibRowStride(width, kMaskBits);
  const std::uint32_t imageSize = (DibRowStride(width, kColorBits) + maskStride) * height;

  ByteBuffer out;
  PutBitmapInfoHeader(out, width, 2 * height, kColorBits, imageSize, 0);
  for (int y = height - 1; y >= 0; --y) {
    for (int x = 0; x < width; ++x) {
      const Rgba pixel = image.At(x, y);
      out.PutByte(pixel.blue);
      out.PutByte(pixel.green);
      out.PutByte(pixel.red);
      out.PutByte(pixel.alpha);
    }
  }
  for (int y = height - 1; y >= 0; --y) {
    std::vector<std::uint8_t> row(maskStride, 0);
    for (int x = 0; x < width; ++x)
      if (image.At(x, y).alpha < kOpaqueAlpha)
        row[x / 8] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
    out.Append(row);
  }
  return out.Bytes();
}

}  // namespace

std::vector<std::uint8_t> EncodeIco(const std::vector<RgbaImage>& images) {
  std::vector<std::vector<std::uint8_t>> encoded;
  for (const RgbaImage& image : images) encoded.push_back(EncodeIconImage(image));

  ByteBuffer out;
  out.PutWord(0);  // reserved
  out.PutWord(1);  // icon, not cursor
  out.PutWord(static_cast<std::uint16_t>(images.size()));
  std::uint32_t offset =
      kDirectoryHeaderSize + kDirectoryEntrySize * static_cast<std::uint32_t>(images.size());
  for (std::size_t i = 0; i < images.size(); ++i) {
    out.PutByte(DirectorySide(images[i].Width()));
    out.PutByte(DirectorySide(images[i].Height()));
    out.PutByte(0);  // no palette
    out.PutByte(0);  // reserved
    out.PutWord(1);  // planes
    out.PutWord(kColorBits);
    out.PutDword(static_cast<std::uint32_t>(encoded[i].size()));
    out.PutDword(offset);
    offset += static_cast<std::uint32_t>(encoded[i].size());
  }
  for (const std::vector<std::uint8_t>& image : encoded) out.Append(image);
  return out.Bytes();
}

}  // namespace imagegen
