#pragma once

#include "ui/CheckableButton.h"

// A radio button: a sunken round frame with a dot when on. Setting one on
// clears the other radio buttons of its dialog group; the last one on cannot
// be switched off.
class RadioButton : public CheckableButton {
 public:
  LRESULT Kind() const override;
  void SetCheck(int on) override;
  void DrawMark(HDC dc, const RECT& box, bool enabled) override;
  // A one-pixel solid line, the second point not drawn.
  virtual void DrawLine(HDC dc, POINT from, POINT to, COLORREF color);
  virtual void DrawRoundFrame(HDC dc, const RECT& box, const BevelColors& colors, COLORREF fill);

 protected:
  bool DrawItem(const DRAWITEMSTRUCT& item) override;

 private:
  void ClearOthers();
  bool AnotherIsOn() const;
};
