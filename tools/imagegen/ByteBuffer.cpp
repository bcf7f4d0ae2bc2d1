#include "ByteBuffer.h"

namespace imagegen {

void PutBitmapInfoHeader(ByteBuffer& out, int width, int height, int bitsPerPixel,
                         std::uint32_t imageSize, std::uint32_t colorsUsed) {
  constexpr std::uint32_t kHeaderSize = 40;
  out.PutDword(kHeaderSize);
  out.PutLong(width);
  out.PutLong(height);  // positive: bottom-up
  out.PutWord(1);       // planes
  out.PutWord(static_cast<std::uint16_t>(bitsPerPixel));
  out.PutDword(0);  // BI_RGB
  out.PutDword(imageSize);
  out.PutLong(0);  // no preferred resolution
  out.PutLong(0);
  out.PutDword(colorsUsed);
  out.PutDword(0);  // all colours important
}

}  // namespace imagegen
