#include "Canvas.h"

#include <algorithm>

namespace {

// Grows bounds to hold the point; an empty rectangle starts them.
void Include(RECT& bounds, int x, int y) {
  if (IsRectEmpty(&bounds)) {
    bounds = {x, y, x + 1, y + 1};
    return;
  }
  bounds.left = std::min<LONG>(bounds.left, x);
  bounds.top = std::min<LONG>(bounds.top, y);
  bounds.right = std::max<LONG>(bounds.right, x + 1);
  bounds.bottom = std::max<LONG>(bounds.bottom, y + 1);
}

}  // namespace

Canvas::Canvas(int width, int height) : width(width), height(height), dc(CreateCompatibleDC(nullptr)) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  previousBitmap = SelectObject(dc, bitmap);
}

Canvas::~Canvas() {
  SelectObject(dc, previousBitmap);
  DeleteObject(bitmap);
  DeleteDC(dc);
}

void Canvas::Fill(COLORREF color) {
  HBRUSH brush = CreateSolidBrush(color);
  RECT all{0, 0, width, height};
  FillRect(dc, &all, brush);
  DeleteObject(brush);
}

RECT Canvas::BoundsOf(const std::function<bool(COLORREF)>& matches) const {
  return BoundsIn(RECT{0, 0, width, height}, matches);
}

RECT Canvas::BoundsIn(const RECT& area, const std::function<bool(COLORREF)>& matches) const {
  RECT bounds{};
  for (int y = area.top; y < area.bottom; ++y)
    for (int x = area.left; x < area.right; ++x)
      if (matches(Pixel(x, y))) Include(bounds, x, y);
  return bounds;
}

int Canvas::Count(COLORREF color) const {
  int count = 0;
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) count += Pixel(x, y) == color;
  return count;
}

RECT WindowPixelBounds(HWND window, const std::function<bool(COLORREF)>& matches) {
  RECT client;
  GetClientRect(window, &client);
  HDC dc = GetDC(window);
  RECT bounds{};
  for (int y = 0; y < client.bottom; ++y)
    for (int x = 0; x < client.right; ++x)
      if (matches(GetPixel(dc, x, y))) Include(bounds, x, y);
  ReleaseDC(window, dc);
  return bounds;
}
