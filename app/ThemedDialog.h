#pragma once

#include <windows.h>

#include <memory>
#include <vector>

#include "ui/DialogBase.h"
#include "ui/GdiObject.h"
#include "ui/PushButton.h"

// A modal dialog of the program in the main window's look: its background,
// static texts and list views in the theme's colours and font, its push
// buttons drawn as the main window's.
class ThemedDialog : public DialogBase {
 public:
  // The dialog template comes from the owner's module; the caption is set
  // when the dialog opens.
  ThemedDialog(HWND owner, WORD templateId, const char* caption);

  LRESULT WindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) override;

 protected:
  // The theme's font and the buttons at the new DPI.
  void OnDpiChanged(DpiScale scale) override;

 private:
  // WM_INITDIALOG: each child control takes the theme.
  void ApplyThemeToControls();
  // The theme's font at the DPI, given to every child that is not a button.
  void SetChildFonts(DpiScale scale);

  const char* caption;
  OwnedBrush background;
  OwnedFont font;
  std::vector<std::unique_ptr<PushButton>> buttons;
};
