#pragma once

#include <windows.h>

// The one procedure of every bound window and every dialog of the program: it
// finds the bound object (also named by the window property "CPP_CLASS") and
// hands it the message.
LRESULT CALLBACK SharedWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

// Binds one window to one object and routes the window's messages to the
// object's WindowProc. A window not created for the object is subclassed.
// While bound, the window's GWLP_USERDATA holds the object (the window's own
// value comes back on detach). The object must outlive its window or be
// detached first.
class WindowBase {
 public:
  WindowBase() = default;
  virtual ~WindowBase() = default;
  WindowBase(const WindowBase&) = delete;
  WindowBase& operator=(const WindowBase&) = delete;

  // Binds the object to hwnd and subclasses the window unless it already
  // runs SharedWindowProc. An object bound elsewhere is detached first.
  virtual bool Attach(HWND window);
  // Puts the replaced procedure back and removes the binding.
  virtual bool Detach();
  // Default handling: the replaced procedure, "not handled" for a dialog,
  // else DefWindowProcA.
  virtual LRESULT WindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
  // A message about this window that its dialog hands back to it: WM_DRAWITEM,
  // WM_NOTIFY or a WM_CTLCOLOR* query. The answer is TRUE for a drawn item, the
  // notification's result or the query's brush; 0 leaves the message to the dialog.
  virtual LRESULT OnReflectedMessage(UINT /*msg*/, WPARAM /*wParam*/, LPARAM /*lParam*/) {
    return 0;
  }

  HWND Hwnd() const { return hwnd; }
  HWND ParentHwnd() const { return parent; }

  static constexpr const char* kPropertyName = "CPP_CLASS";

  // A window counts as a dialog when it is of the dialog class and has a dialog
  // procedure. The class is checked because other windows (buttons, statics)
  // keep their own data at the offset of DWLP_DLGPROC.
  static bool HasDialogProcedure(HWND window);
  // The object bound to a window whose procedure (for a dialog, its dialog
  // procedure) is SharedWindowProc; null for any other window. Read from the
  // window's user data, without a round trip to the window server.
  static WindowBase* ObjectOf(HWND window, bool dialog);

 private:
  HWND hwnd = nullptr;
  HWND parent = nullptr;
  bool isDialog = false;
  WNDPROC prevProc = nullptr;
  LONG_PTR prevUserData = 0;
};
