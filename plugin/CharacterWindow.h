#pragma once

#include <windows.h>

#include <optional>

#include "CharacterLook.h"

// The plug-in's small tool window: the emblem of the character type it was
// told, the type's name (the title the program gives the window) large beside
// it and the job slot's rank below; empty while no type is told. The program
// moves, shows and retitles it; only Destroy ends it.
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
  void CreateTexts();
  void ShowTexts();
  bool ShowsCharacter() const;
  void Paint(HDC dc, const RECT& client) const;
  void Repaint() const;

  HWND window = nullptr;
  HWND nameText = nullptr;
  HWND rankText = nullptr;
  std::optional<CharacterLook> look;  // while the window exists
  int characterType = -1;
  int jobSlot = -1;
};
