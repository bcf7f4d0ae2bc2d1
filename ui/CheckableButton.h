#pragma once

#include <windows.h>

#include "ui/ButtonBase.h"
#include "ui/GdiObject.h"

// What check boxes and radio buttons share: a box filled with boxColor, a
// label right of it, a mark when on, and a state that changes on a click (a
// release inside the control after a press on it) or on the space bar, always
// before the dialog gets BN_CLICKED.
class CheckableButton : public ButtonBase {
 public:
  LRESULT WindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) override;

 protected:
  // Also boxColor = COLOR_WINDOW.
  void ResetColors() override;
  // The mark of a control that is on, in the box.
  virtual void DrawMark(HDC dc, const RECT& box, bool enabled) = 0;
  // Fills the item with the back colour; answers the fill of the box.
  COLORREF DrawBackground(const DRAWITEMSTRUCT& item) const;
  // The label at x = 18 of the design, the focus rectangle and the mark.
  void DrawLabelFocusAndMark(const DRAWITEMSTRUCT& item, const RECT& box);
  // The mark's colour: the text colour, or the dark shade when disabled.
  COLORREF Ink(bool enabled) const { return enabled ? TextColor() : DarkColor(); }
  // The inside of a mark: boxColor, or the back colour when disabled.
  COLORREF MarkFill(bool enabled) const { return enabled ? boxColor : BackColor(); }
  // The pen of a mark's outline: the ink, a design line wide.
  OwnedPen InkPen(bool enabled) const;

  static constexpr int kLabelLeft = 18;

 private:
  void Toggle();
  // The focus rectangle round the label.
  void DrawFocus(HDC dc, const RECT& item, const RECT& label, SIZE textSize) const;

  bool mouseDown = false;
  COLORREF boxColor = 0;
  bool spaceDown = false;
};
