#pragma once

#include <windows.h>

#include <functional>

// A 32-bit memory bitmap with a DC, for drawing controls off screen and
// reading their pixels back.
class Canvas {
 public:
  Canvas(int width, int height);
  ~Canvas();
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;

  HDC Dc() const { return dc; }
  int Width() const { return width; }
  int Height() const { return height; }
  COLORREF Pixel(int x, int y) const { return GetPixel(dc, x, y); }
  void Fill(COLORREF color);

  // The smallest rectangle holding every pixel that matches; empty when none.
  RECT BoundsOf(const std::function<bool(COLORREF)>& matches) const;
  RECT BoundsIn(const RECT& area, const std::function<bool(COLORREF)>& matches) const;
  int Count(COLORREF color) const;

 private:
  int width;
  int height;
  HDC dc;
  HBITMAP bitmap;
  HGDIOBJ previousBitmap;
};

// The bounds of the pixels of one colour read from a window on the screen.
RECT WindowPixelBounds(HWND window, const std::function<bool(COLORREF)>& matches);
