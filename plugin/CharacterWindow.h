#pragma once

#include <windows.h>

// The plug-in's small tool window: shows the character type and job slot it
// was told. The program moves, shows and retitles it; only Destroy ends it.
class CharacterWindow {
 public:
  CharacterWindow() = default;
  ~CharacterWindow();
  CharacterWindow(const CharacterWindow&) = delete;
  CharacterWindow& operator=(const CharacterWindow&) = delete;

  // Creates the hidden window with its top-left corner at position; false if
  // one exists already or the system refuses.
  bool Create(HWND owner, POINT position);
  bool Destroy();
  HWND Handle() const { return window; }

  void SetCharacterType(int type);
  int CharacterType() const { return characterType; }
  void SetJobSlot(int slot);
  int JobSlot() const { return jobSlot; }

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  void Paint(HDC dc, const RECT& client) const;
  void Repaint() const;

  HWND window = nullptr;
  int characterType = -1;
  int jobSlot = -1;
};
