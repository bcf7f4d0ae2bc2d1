#pragma once

#include <cstdint>
#include <vector>

namespace imagegen {

struct Rgb {
  std::uint8_t red = 0;
  std::uint8_t green = 0;
  std::uint8_t blue = 0;

  friend bool operator==(Rgb a, Rgb b) {
    return a.red == b.red && a.green == b.green && a.blue == b.blue;
  }
  friend bool operator!=(Rgb a, Rgb b) { return !(a == b); }
};

// Straight (not premultiplied) alpha, as icon files store it.
struct Rgba {
  std::uint8_t red = 0;
  std::uint8_t green = 0;
  std::uint8_t blue = 0;
  std::uint8_t alpha = 0;
};

// A top-down grid of pixels; (0, 0) is the top-left corner.
template <typename Pixel>
class Image {
 public:
  Image(int width, int height, Pixel fill = Pixel{})
      : width(width), height(height), pixels(static_cast<std::size_t>(width) * height, fill) {}

  int Width() const { return width; }
  int Height() const { return height; }
  const Pixel& At(int x, int y) const { return pixels[Offset(x, y)]; }
  void Set(int x, int y, Pixel value) { pixels[Offset(x, y)] = value; }

 private:
  std::size_t Offset(int x, int y) const { return static_cast<std::size_t>(y) * width + x; }

  int width;
  int height;
  std::vector<Pixel> pixels;
};

using RgbImage = Image<Rgb>;
using RgbaImage = Image<Rgba>;

}  // namespace imagegen
