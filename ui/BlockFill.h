#pragma once

#include <windows.h>

// Solid rectangles: the design's lines are drawn as bands of whole pixels, so
// that they grow with the DPI without a wide pen's rounding.

// Fills the rectangle; nothing when it is empty or inverted.
void FillBlock(HDC dc, const RECT& rect, HBRUSH brush);
// The rectangle's frame, `thickness` pixels wide, inside the rectangle.
void FillFrame(HDC dc, const RECT& rect, HBRUSH brush, int thickness);
