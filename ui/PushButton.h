#pragma once

#include "ui/ButtonBase.h"

// A push button drawn as a bevelled box with a centred label; pushed while it
// is pressed or, in toggle mode, while it is on; framed while it is its
// dialog's default button.
class PushButton : public ButtonBase {
 public:
  LRESULT Kind() const override;

 protected:
  bool DrawItem(const DRAWITEMSTRUCT& item) override;

 private:
  bool IsDialogDefault() const;
};
