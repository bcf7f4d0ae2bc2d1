#pragma once

#include "ui/CheckableButton.h"

// A radio button: a sunken round frame; the derived class draws its mark.
// Setting one on clears the other radio buttons of its dialog group; the last
// one on cannot be switched off.
class RadioButton : public CheckableButton {
 public:
  void SetCheck(int on) override;

 protected:
  bool DrawItem(const DRAWITEMSTRUCT& item) override;
  LRESULT Kind() const override;

 private:
  void ClearOthers();
  bool AnotherIsOn() const;
  // A one-pixel solid line, the second point not drawn.
  static void DrawLine(HDC dc, POINT from, POINT to, COLORREF color);
  static void DrawRoundFrame(HDC dc, const RECT& box, const BevelColors& colors, COLORREF fill);
};
