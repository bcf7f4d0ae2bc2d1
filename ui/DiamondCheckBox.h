#pragma once

#include "ui/CheckBox.h"

// A check box whose mark is a diamond with a filled diamond inside.
class DiamondCheckBox : public CheckBox {
 protected:
  void DrawMark(HDC dc, const RECT& box, bool enabled) override;
};
