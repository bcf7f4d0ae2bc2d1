#pragma once

#include <cstdint>
#include <vector>

namespace imagegen {

// Builds the little-endian byte layout of the Windows image file headers.
class ByteBuffer {
 public:
  void PutByte(std::uint8_t value) { bytes.push_back(value); }
  void PutWord(std::uint16_t value) {
    PutByte(static_cast<std::uint8_t>(value));
    PutByte(static_cast<std::uint8_t>(value >> 8));
  }
  void PutDword(std::uint32_t value) {
    PutWord(static_cast<std::uint16_t>(value));
    PutWord(static_cast<std::uint16_t>(value >> 16));
  }
  void PutLong(std::int32_t value) { PutDword(static_cast<std::uint32_t>(value)); }
  void Append(const std::vector<std::uint8_t>& more) {
    bytes.insert(bytes.end(), more.begin(), more.end());
  }

  std::size_t Size() const { return bytes.size(); }
  const std::vector<std::uint8_t>& Bytes() const { return bytes; }

 private:
  std::vector<std::uint8_t> bytes;
};

// BITMAPINFOHEADER for an uncompressed bottom-up DIB.
void PutBitmapInfoHeader(ByteBuffer& out, int width, int height, int bitsPerPixel,
                         std::uint32_t imageSize, std::uint32_t colorsUsed);

// Bytes in one DIB row: rows are padded to a multiple of four bytes.
inline std::uint32_t DibRowStride(int width, int bitsPerPixel) {
  return ((static_cast<std::uint32_t>(width) * bitsPerPixel + 31) / 32) * 4;
}

}  // namespace imagegen
