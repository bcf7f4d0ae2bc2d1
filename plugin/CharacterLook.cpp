#include "CharacterLook.h"

#include "PluginResources.h"

namespace {

constexpr char kFaceName[] = "MS UI Gothic";
constexpr int kRankFontHeight = 12;  // the program's own text
constexpr int kNameFontHeight = 24;  // about the program's total display

HFONT MakeFont(int height, int weight) {
  LOGFONTA description{};
  description.lfHeight = -height;
  description.lfWeight = weight;
  description.lfCharSet = DEFAULT_CHARSET;
  lstrcpynA(description.lfFaceName, kFaceName, LF_FACESIZE);
  return CreateFontIndirectA(&description);
}

}  // namespace

CharacterLook::CharacterLook(HMODULE module)
    : backBrush(CreateSolidBrush(kBackColor)),
      nameFont(MakeFont(kNameFontHeight, FW_BOLD)),
      rankFont(MakeFont(kRankFontHeight, FW_NORMAL)),
      // A DIB section keeps the strip's colours exact on any display.
      emblems(static_cast<HBITMAP>(LoadImageA(module, MAKEINTRESOURCEA(IDB_EMBLEMS), IMAGE_BITMAP,
                                              0, 0, LR_CREATEDIBSECTION))) {
  BITMAP strip{};
  if (emblems && GetObjectA(emblems, sizeof strip, &strip) && strip.bmHeight > 0) {
    emblemSide = strip.bmHeight;
    emblemCount = strip.bmWidth / strip.bmHeight;
  }
}

// DeleteObject refuses a null handle without harm.
CharacterLook::~CharacterLook() {
  DeleteObject(backBrush);
  DeleteObject(nameFont);
  DeleteObject(rankFont);
  DeleteObject(emblems);
}

void CharacterLook::DrawEmblem(HDC dc, int type, int x, int y) const {
  if (type < 0 || type >= emblemCount) return;
  HDC source = CreateCompatibleDC(dc);
  HGDIOBJ previous = SelectObject(source, emblems);
  BitBlt(dc, x, y, emblemSide, emblemSide, source, type * emblemSide, 0, SRCCOPY);
  SelectObject(source, previous);
  DeleteDC(source);
}
