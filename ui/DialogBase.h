#pragma once

#include <windows.h>

#include "ui/WindowBase.h"

// A dialog from a dialog resource, modal or modeless, run with SharedWindowProc
// as its dialog procedure. It sets its icons and centres itself when it opens;
// commands IDOK and IDCANCEL end it with their id.
class DialogBase : public WindowBase {
 public:
  DialogBase(HINSTANCE instance, HWND owner, WORD templateId);
  ~DialogBase() override;

  LRESULT WindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) override;
  // Modal: runs the dialog and answers its result. Modeless: creates it, shows
  // or hides it and answers 0. -1 for a missing module or template, a failed
  // creation, or a dialog already open (which comes to the foreground instead).
  virtual INT_PTR Run(bool modal, bool show);
  // Ends a modal dialog with the result, destroys a modeless one.
  virtual bool End(INT_PTR result);
  // Runs once the dialog is initialised: centres it on the screen.
  virtual void OnInitDialog();
  // Runs for every key press that a loop takes from the queue while the focus
  // is in this modal dialog, before the dialog manager sees it; true when the
  // key was used and must go no further.
  virtual bool OnShortcutKey(const MSG& message);

  void SetIconId(WORD id) { iconId = id; }
  bool IsModal() const { return modal; }

 private:
  void SetIcons();
  void ReleaseIcons();
  // The keyboard hook of the modal runs: key presses while the focus is in a
  // dialog bound to a DialogBase go to its OnShortcutKey.
  static LRESULT CALLBACK ShortcutFilter(int code, WPARAM wParam, LPARAM lParam);

  HINSTANCE instance;
  HWND owner;
  WORD templateId;
  WORD iconId = 0;
  HICON bigIcon = nullptr;
  HICON smallIcon = nullptr;
  bool modal = false;
};
