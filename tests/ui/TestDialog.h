#pragma once

#include <windows.h>

#include <functional>
#include <map>
#include <vector>

#include "ui/ButtonBase.h"
#include "ui/DialogBase.h"
#include "ui/StaticText.h"

// A dialog from the test templates that forwards WM_DRAWITEM and
// WM_CTLCOLORSTATIC to the control objects, as the main window does, and
// records every BN_CLICKED with the control's check state at that moment.
class TestDialog : public DialogBase {
 public:
  struct Click {
    int id;
    LRESULT checkState;
  };

  explicit TestDialog(WORD templateId);
  ~TestDialog() override;

  LRESULT WindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) override;
  void OnInitDialog() override;

  // Opens the dialog modeless and shown; closes it on destruction.
  bool Open();
  HWND Item(int id) const { return GetDlgItem(Hwnd(), id); }
  // Attaches a control object and routes its drawing through this dialog.
  void AttachButton(ButtonBase& button, int id);
  void AttachStatic(StaticText& text, int id);

  std::vector<Click> clicks;
  std::vector<UINT> seen;
  std::function<void(HWND)> onInit;

 private:
  std::map<int, ButtonBase*> buttons;
  StaticText* staticText = nullptr;
};

// Main window colours.
inline constexpr COLORREF kTextColor = 0x800000;
inline constexpr COLORREF kBackColor = 0xFFE0C0;
inline constexpr COLORREF kFrameColor = 0xB00040;

// Styles a control the way the main window does.
void ApplyMainWindowLook(ControlBase& control);

// Dispatches every waiting message until the queue stays empty a while.
void PumpUntilIdle();
// The module of the test program, which holds the test templates.
HINSTANCE TestModule();
