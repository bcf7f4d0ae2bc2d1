#pragma once

#include "ui/CheckableButton.h"

// A check box: a sunken 13 x 13 box with a tick when on.
class CheckBox : public CheckableButton {
 public:
  LRESULT Kind() const override;
  void DrawMark(HDC dc, const RECT& box, bool enabled) override;

 protected:
  bool DrawItem(const DRAWITEMSTRUCT& item) override;
};
