#pragma once

#include <windows.h>

#include "ui/DpiScale.h"
#include "ui/OwnedHandle.h"
#include "ui/WindowBase.h"

// A dialog from a dialog resource, modal or modeless, run with SharedWindowProc
// as its dialog procedure. It sets its icons and centres itself when it opens;
// commands IDOK and IDCANCEL end it with their id. WM_DRAWITEM, WM_NOTIFY and
// WM_CTLCOLOR* of a bound control go back to the control's object
// (OnReflectedMessage) after the derived dialog has passed them on. At any
// DPI but 96 it places its controls and sizes itself as the 96-DPI dialog
// scaled; it does so again when it is moved to a monitor of another DPI.
class DialogBase : public WindowBase {
 public:
  DialogBase(HINSTANCE instance, HWND owner, WORD templateId);

  LRESULT WindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) override;
  // Modal: runs the dialog and answers its result. Modeless: creates it, shows
  // or hides it and answers 0. -1 for a missing module or template, a failed
  // creation, or a dialog already open (which comes to the foreground instead).
  virtual INT_PTR Run(bool modal, bool show);
  // Ends a modal dialog with the result, destroys a modeless one.
  virtual bool End(INT_PTR result);
  // Runs once the dialog is initialised: centres it over its owner (kept
  // inside the work area of the owner's monitor), or on the screen without one.
  virtual void OnInitDialog();
  // Recognises a key press that a loop takes from the queue while this modal
  // dialog is active, before the dialog manager sees it: the command the key
  // stands for, or 0. A command is posted to the dialog as an accelerator's
  // WM_COMMAND and the key goes no further. It runs inside a keyboard hook,
  // so it must only look at the key: nothing modal, nothing that changes state.
  virtual UINT ShortcutCommand(const MSG& message) const;
  // A posted shortcut's command, run from the dialog's own queue.
  virtual void OnShortcutCommand(UINT command);
  // After controls were disabled or hidden: when formerFocus, the control
  // that had the focus before, is one of them, the focus moves on to the next
  // control the Tab key would reach, else to fallback. A disabled control
  // leaves the focus to nobody, and then no key reaches the dialog's controls.
  void MoveFocusOffUnusable(HWND formerFocus, HWND fallback) const;

  void SetIconId(WORD id) { iconId = id; }

 protected:
  // After the dialog moved to another DPI and its controls were placed anew:
  // the derived dialog gives its controls their fonts and sizes at it.
  virtual void OnDpiChanged(DpiScale scale);

 private:
  // WM_INITDIALOG: the dialog manager's own scaling is switched off, and at
  // other DPIs than 96 the controls are placed and the window sized.
  void PrepareForDpi();
  // WM_DPICHANGED: the suggested rectangle, the controls placed anew.
  void ChangeDpi(DpiScale scale, const RECT& suggested);
  void SetIcons();
  // The answer of the bound control that the message is about, or 0.
  LRESULT Reflect(UINT msg, WPARAM wParam, LPARAM lParam) const;
  // The keyboard hook of the modal runs: key presses while the focus (or,
  // with no focus, the activation) is in a dialog bound to a DialogBase are
  // offered to its ShortcutCommand.
  static LRESULT CALLBACK ShortcutFilter(int code, WPARAM wParam, LPARAM lParam);

  HINSTANCE instance;
  HWND owner;
  WORD templateId;
  WORD iconId = 0;
  OwnedIcon bigIcon;
  OwnedIcon smallIcon;
  bool modal = false;
};
