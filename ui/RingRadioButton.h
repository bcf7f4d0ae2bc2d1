#pragma once

#include "ui/RadioButton.h"

// A radio button whose mark is a ring with a dot inside.
class RingRadioButton : public RadioButton {
 protected:
  void DrawMark(HDC dc, const RECT& box, bool enabled) override;
};
