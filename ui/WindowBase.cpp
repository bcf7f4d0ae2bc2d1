#include "ui/WindowBase.h"

#include <cstring>

namespace {

// Read from the window's user data, not the property: under Wine every
// GetPropA is a round trip to the server, and this runs for every message.
WindowBase* BoundObject(HWND hwnd) {
  return reinterpret_cast<WindowBase*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
}

// The object a window is being created for, taken from its creation message.
WindowBase* CreationObject(UINT msg, LPARAM lParam) {
  switch (msg) {
    case WM_NCCREATE:
    case WM_CREATE:
      return lParam ? static_cast<WindowBase*>(
                          reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams)
                    : nullptr;
    case WM_INITDIALOG:
      return reinterpret_cast<WindowBase*>(lParam);
    default:
      return nullptr;
  }
}

int ProcedureSlot(bool isDialog) { return isDialog ? DWLP_DLGPROC : GWLP_WNDPROC; }

}  // namespace

LRESULT CALLBACK SharedWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  WindowBase* object = BoundObject(hwnd);
  if (!object) {
    object = CreationObject(msg, lParam);
    if (!object)
      return WindowBase::HasDialogProcedure(hwnd) ? 0 : DefWindowProcA(hwnd, msg, wParam, lParam);
    object->Attach(hwnd);
  }
  LRESULT result = object->WindowProc(hwnd, msg, wParam, lParam);
  // Later messages (WM_NCDESTROY) no longer reach the object.
  if (msg == WM_DESTROY) object->Detach();
  return result;
}

WindowBase* WindowBase::ObjectOf(HWND window, bool dialog) {
  const auto procedure = reinterpret_cast<LONG_PTR>(SharedWindowProc);
  return window && GetWindowLongPtrA(window, ProcedureSlot(dialog)) == procedure
             ? BoundObject(window)
             : nullptr;
}

bool WindowBase::HasDialogProcedure(HWND window) {
  char className[16] = {};
  if (!GetClassNameA(window, className, sizeof className)) return false;
  return std::strcmp(className, "#32770") == 0 && GetWindowLongPtrA(window, DWLP_DLGPROC) != 0;
}

bool WindowBase::Attach(HWND window) {
  if (!window) return false;
  if (window == hwnd) return true;
  if (hwnd) Detach();
  hwnd = window;
  parent = GetParent(window);
  isDialog = HasDialogProcedure(window);
  SetPropA(window, kPropertyName, this);
  prevUserData = SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  const int slot = ProcedureSlot(isDialog);
  auto current = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(window, slot));
  if (current != SharedWindowProc) {
    prevProc = current;
    SetWindowLongPtrA(window, slot, reinterpret_cast<LONG_PTR>(SharedWindowProc));
  }
  return true;
}

bool WindowBase::Detach() {
  if (!hwnd) return false;
  if (prevProc) {
    SetWindowLongPtrA(hwnd, ProcedureSlot(isDialog), reinterpret_cast<LONG_PTR>(prevProc));
    prevProc = nullptr;
  }
  RemovePropA(hwnd, kPropertyName);
  SetWindowLongPtrA(hwnd, GWLP_USERDATA, prevUserData);
  prevUserData = 0;
  hwnd = nullptr;
  parent = nullptr;
  isDialog = false;
  return true;
}

LRESULT WindowBase::WindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (prevProc) return CallWindowProcA(prevProc, window, msg, wParam, lParam);
  if (isDialog) return 0;
  return DefWindowProcA(window, msg, wParam, lParam);
}
