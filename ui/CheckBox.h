#pragma once

#include "ui/CheckableButton.h"

// A check box: a sunken 13 x 13 box; the derived class draws its mark.
class CheckBox : public CheckableButton {
 protected:
  bool DrawItem(const DRAWITEMSTRUCT& item) override;
  LRESULT Kind() const override;

  // The box's side in design pixels.
  static constexpr int kBoxSize = 13;
};
