#include "skilllist/PlanPicture.h"

#include "res/Palette.h"
#include "skilllist/CellColors.h"
#include "skilllist/ColumnTable.h"
#include "skilllist/SkillCellText.h"
#include "skilllist/TextCellPainter.h"
#include "ui/ScopedSelection.h"
#include "ui/TextDrawing.h"

namespace {

// The design's lengths outside the table, in 96-DPI pixels.
constexpr int kTitleBandHeight = 28;
constexpr int kTitleFontHeight = 16;
constexpr int kFiguresGap = 4;
constexpr int kSignatureHeight = 16;
constexpr int kSignatureFontHeight = 10;
// The texts outside the table keep this far from the picture's sides.
constexpr int kTextInset = 8;
constexpr int kFiguresPerLine = 2;
constexpr UINT kLineFormat = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS;

struct DeleteMemoryDc {
  void operator()(HDC dc) const { DeleteDC(dc); }
};

// The list's face at another height.
OwnedFont FontLike(HFONT font, int height, int weight) {
  LOGFONTA description{};
  GetObjectA(font, sizeof description, &description);
  description.lfHeight = -height;
  description.lfWeight = weight;
  return OwnedFont(CreateFontIndirectA(&description));
}

// One line of the table: each text column's cell, as wide as the list's.
template <typename Cell>
void PaintTableLine(HDC dc, const SkillListView& list, int top, int height, Cell cell) {
  RECT rect{0, top, 0, top + height};
  for (int column = kColumnJob; column < kTextColumnCount; ++column) {
    rect.right = rect.left + list.ColumnWidth(column);
    const auto [text, colors] = cell(column);
    PaintTextCell(dc, rect, text.c_str(), kColumnAligns[column], colors.text, colors.back,
                  list.Scale());
    rect.left = rect.right;
  }
}

}  // namespace

bool PlanPicture::Draw(const std::vector<LearntRow>& rows, const SkillListView& list,
                       const PlanPictureCaptions& captions) {
  const DpiScale scale = list.Scale();
  const ListColors colors = list.Colors();
  const int rowHeight = list.RowHeight();
  int width = 0;
  for (int column = kColumnJob; column < kTextColumnCount; ++column)
    width += list.ColumnWidth(column);
  const int tableTop = scale(kTitleBandHeight);
  const int figuresTop =
      tableTop + rowHeight * static_cast<int>(rows.size() + 1) + scale(kFiguresGap);
  const int figureLines =
      static_cast<int>((captions.figures.size() + kFiguresPerLine - 1) / kFiguresPerLine);
  const int signatureTop = figuresTop + rowHeight * figureLines;
  if (rowHeight <= 0 || !Allocate(width, signatureTop + scale(kSignatureHeight))) return false;

  const OwnedHandle<HDC, DeleteMemoryDc> dc(CreateCompatibleDC(nullptr));
  const ScopedSelection canvas(dc.Get(), bitmap.Get());
  const RECT whole{0, 0, width, static_cast<int>(header.biHeight)};
  FillRect(dc.Get(), &whole, MakeSolidBrush(colors.back).Get());

  const RECT band{0, 0, width, tableTop};
  FillRect(dc.Get(), &band, MakeSolidBrush(palette::kFrameColor).Get());
  {
    const OwnedFont titleFont = FontLike(list.Font(), scale(kTitleFontHeight), FW_BOLD);
    const ScopedSelection font(dc.Get(), titleFont.Get());
    RECT text{scale(kTextInset), 0, width - scale(kTextInset), tableTop};
    DrawPlainText(dc.Get(), captions.title.c_str(), text, DT_LEFT | kLineFormat, colors.back);
  }
  {
    const ScopedSelection font(dc.Get(), list.Font());
    PaintTableLine(dc.Get(), list, tableTop, rowHeight, [&](int column) {
      return std::pair(std::string(kColumnTitles[column]), CellColors{colors.text, colors.back});
    });
    int top = tableTop + rowHeight;
    for (std::size_t index = 0; index < rows.size(); ++index, top += rowHeight) {
      const LearntRow& row = rows[index];
      PaintTableLine(dc.Get(), list, top, rowHeight, [&](int column) {
        const bool label = column != kColumnJob || row.opensBlock;
        return std::pair(label ? SkillCellText(row.entry, row.points, column) : std::string(),
                         CellColorsOf(colors, static_cast<int>(index), column, row.entry.level,
                                      row.entry.IsMastered()));
      });
    }
    const int half = width / kFiguresPerLine;
    for (std::size_t index = 0; index < captions.figures.size(); ++index) {
      const int left = static_cast<int>(index % kFiguresPerLine) * half;
      const int lineTop = figuresTop + static_cast<int>(index / kFiguresPerLine) * rowHeight;
      const RECT text{left + scale(kTextInset), lineTop, left + half - scale(kTextInset),
                      lineTop + rowHeight};
      DrawPlainText(dc.Get(), captions.figures[index].c_str(), text, DT_LEFT | kLineFormat,
                    colors.text);
    }
  }
  const OwnedFont signatureFont = FontLike(list.Font(), scale(kSignatureFontHeight), FW_NORMAL);
  const ScopedSelection font(dc.Get(), signatureFont.Get());
  const RECT signature{scale(kTextInset), signatureTop, width - scale(kTextInset),
                       static_cast<int>(header.biHeight)};
  DrawPlainText(dc.Get(), captions.signature.c_str(), signature, DT_RIGHT | kLineFormat,
                colors.unlearnt);
  // The pixels are read next, outside GDI.
  GdiFlush();
  return true;
}

bool PlanPicture::Allocate(int width, int height) {
  header = BITMAPINFOHEADER{};
  header.biSize = sizeof header;
  header.biWidth = width;
  header.biHeight = height;
  header.biPlanes = 1;
  header.biBitCount = 24;
  header.biCompression = BI_RGB;
  header.biSizeImage = static_cast<DWORD>(BitsSize());
  BITMAPINFO info{};
  info.bmiHeader = header;
  void* pixels = nullptr;
  bitmap.Reset(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &pixels, nullptr, 0));
  bits = static_cast<BYTE*>(pixels);
  return bitmap && bits;
}
