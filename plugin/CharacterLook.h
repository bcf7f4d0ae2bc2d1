#pragma once

#include <windows.h>

// The program's colours, carried here since the plug-in shares no code with
// it: its back colour, its text navy and its group frames' colour.
inline constexpr COLORREF kBackColor = RGB(192, 224, 255);
inline constexpr COLORREF kTextColor = RGB(0, 0, 128);
inline constexpr COLORREF kFrameColor = RGB(64, 0, 176);

// What the character window draws with, made and deleted together: the back
// brush, the fonts of the type's name and of the rank in the program's face,
// and the strip of type emblems from this module's resources.
class CharacterLook {
 public:
  explicit CharacterLook(HMODULE module);
  ~CharacterLook();
  CharacterLook(const CharacterLook&) = delete;
  CharacterLook& operator=(const CharacterLook&) = delete;

  HBRUSH BackBrush() const { return backBrush; }
  HFONT NameFont() const { return nameFont; }
  HFONT RankFont() const { return rankFont; }
  // The emblems are squares as high as the strip; 0 without the strip.
  int EmblemSide() const { return emblemSide; }
  // Copies type's emblem to (x, y); nothing for a type the strip lacks.
  void DrawEmblem(HDC dc, int type, int x, int y) const;

 private:
  HBRUSH backBrush;
  HFONT nameFont;
  HFONT rankFont;
  HBITMAP emblems;
  int emblemSide = 0;
  int emblemCount = 0;
};
