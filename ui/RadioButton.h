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

  // The side of the box that holds the mark, in design pixels.
  static constexpr int kBoxSize = 11;

 private:
  void ClearOthers();
  bool AnotherIsOn() const;
  void DrawRoundFrame(HDC dc, const RECT& box, const BevelColors& colors, COLORREF fill) const;
};
