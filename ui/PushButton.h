#pragma once

#include "ui/ButtonBase.h"

// A push button drawn as a bevelled box with a centred label; pushed while it
// is pressed or on; framed while it is its dialog's default button.
class PushButton : public ButtonBase {
 protected:
  bool DrawItem(const DRAWITEMSTRUCT& item) override;
  LRESULT Kind() const override;

 private:
  bool IsDialogDefault() const;
};
