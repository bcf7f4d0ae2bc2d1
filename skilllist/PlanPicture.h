#pragma once

#include <windows.h>

#include <cstddef>
#include <string>
#include <vector>

#include "skilllist/LearntRows.h"
#include "skilllist/SkillListView.h"
#include "ui/GdiObject.h"

// What the picture of a plan says around its rows, in Shift-JIS.
struct PlanPictureCaptions {
  std::string title;                 // the character type, job and attributes
  std::vector<std::string> figures;  // the plan's figures, two to a line
  std::string signature;             // the program's name and version
};

// The plan drawn offscreen for sharing: a title band, the list's column
// titles, each learnt row with the texts, font, widths, height and colours
// the list gives it (its block's job label on the block's first row), the
// figures and the signature, all at the list's DPI. The pixels are 24-bit:
// GDI leaves the fourth byte of 32-bit pixels 0, which encoders take for
// transparent.
class PlanPicture {
 public:
  // More rows are refused: at 96 DPI 2,000 are some 60 MB of pixels already.
  static constexpr std::size_t kRowLimit = 2000;

  // False, and no picture, when the memory for the pixels cannot be had.
  bool Draw(const std::vector<LearntRow>& rows, const SkillListView& list,
            const PlanPictureCaptions& captions);

  // As CF_DIB carries it: the header, then the rows bottom up, each padded
  // to four bytes.
  const BITMAPINFOHEADER& Header() const { return header; }
  const BYTE* Bits() const { return bits; }
  std::size_t Stride() const { return (static_cast<std::size_t>(header.biWidth) * 3 + 3) & ~3u; }
  std::size_t BitsSize() const { return Stride() * static_cast<std::size_t>(header.biHeight); }

 private:
  // A bottom-up 24-bit DIB section of the size; false when it cannot be had.
  bool Allocate(int width, int height);

  BITMAPINFOHEADER header{};
  GdiObject<HBITMAP> bitmap;
  BYTE* bits = nullptr;
};
