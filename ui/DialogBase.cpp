#include "ui/DialogBase.h"

#include <algorithm>

#include "ui/DialogTemplateLayout.h"
#include "ui/LibraryEntry.h"

namespace {

// WM_COMMAND's notification code of an accelerator.
constexpr WORD kAcceleratorNotification = 1;
// SetDialogDpiChangeBehavior's DDC_DISABLE_ALL.
constexpr int kDialogDpiChangeDisableAll = 1;

using SetDialogDpiChangeBehaviorFunction = BOOL(WINAPI*)(HWND, int, int);

// The control that a WM_DRAWITEM, WM_NOTIFY or WM_CTLCOLOR* is about; null
// for any other message.
HWND ReflectedChild(UINT msg, LPARAM lParam) {
  if (msg >= WM_CTLCOLORMSGBOX && msg <= WM_CTLCOLORSTATIC) return reinterpret_cast<HWND>(lParam);
  if (!lParam) return nullptr;
  if (msg == WM_NOTIFY) return reinterpret_cast<const NMHDR*>(lParam)->hwndFrom;
  const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
  // A menu's item names a menu, not a window.
  return msg == WM_DRAWITEM && item->CtlType != ODT_MENU ? item->hwndItem : nullptr;
}

}  // namespace

DialogBase::DialogBase(HINSTANCE instance, HWND owner, WORD templateId)
    : instance(instance), owner(owner), templateId(templateId) {}

INT_PTR DialogBase::Run(bool runModal, bool show) {
  if (!instance) return -1;
  if (Hwnd()) {
    SetForegroundWindow(Hwnd());
    return -1;
  }
  if (!templateId) return -1;
  const auto procedure = reinterpret_cast<DLGPROC>(SharedWindowProc);
  const auto self = reinterpret_cast<LPARAM>(static_cast<WindowBase*>(this));
  if (runModal) {
    modal = true;
    // The dialog manager's loop has no place for shortcut keys but a hook.
    HHOOK filter = SetWindowsHookExA(WH_KEYBOARD, ShortcutFilter, nullptr, GetCurrentThreadId());
    const INT_PTR result =
        DialogBoxParamA(instance, MAKEINTRESOURCEA(templateId), owner, procedure, self);
    if (filter) UnhookWindowsHookEx(filter);
    modal = false;
    return result;
  }
  HWND window = CreateDialogParamA(instance, MAKEINTRESOURCEA(templateId), owner, procedure, self);
  if (!window) return -1;
  ShowWindow(window, show ? SW_SHOW : SW_HIDE);
  return 0;
}

bool DialogBase::End(INT_PTR result) {
  if (!Hwnd()) return false;
  return modal ? EndDialog(Hwnd(), result) != FALSE : DestroyWindow(Hwnd()) != FALSE;
}

void DialogBase::OnInitDialog() {
  RECT rect;
  GetWindowRect(Hwnd(), &rect);
  const int width = rect.right - rect.left;
  const int height = rect.bottom - rect.top;
  int x = std::max(0, (GetSystemMetrics(SM_CXSCREEN) - width) / 2);
  int y = std::max(0, (GetSystemMetrics(SM_CYSCREEN) - height) / 2);
  RECT ownerRect;
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  // Over its owner, wherever that has been moved, and whole on the owner's monitor.
  if (owner && IsWindowVisible(owner) && GetWindowRect(owner, &ownerRect) &&
      GetMonitorInfoA(MonitorFromWindow(owner, MONITOR_DEFAULTTONEAREST), &monitor)) {
    const RECT& area = monitor.rcWork;
    x = (ownerRect.left + ownerRect.right - width) / 2;
    y = (ownerRect.top + ownerRect.bottom - height) / 2;
    x = std::max(static_cast<int>(area.left), std::min(x, static_cast<int>(area.right) - width));
    y = std::max(static_cast<int>(area.top), std::min(y, static_cast<int>(area.bottom) - height));
  }
  MoveWindow(Hwnd(), x, y, width, height, TRUE);
}

UINT DialogBase::ShortcutCommand(const MSG&) const { return 0; }

void DialogBase::OnShortcutCommand(UINT) {}

void DialogBase::MoveFocusOffUnusable(HWND formerFocus, HWND fallback) const {
  if (!formerFocus || GetParent(formerFocus) != Hwnd() ||
      (IsWindowEnabled(formerFocus) && IsWindowVisible(formerFocus)))
    return;
  HWND next = GetNextDlgTabItem(Hwnd(), formerFocus, FALSE);
  if (!next || next == formerFocus) next = fallback;
  // As the dialog manager moves it, so that the default button follows.
  if (next) SendMessageA(Hwnd(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(next), TRUE);
}

// Runs for each key message that a loop of this thread takes from the queue.
// A message filter would run for every message, at three window-server round
// trips each. Keys of file dialogs and message boxes (windows of their own,
// not bound) and of menus and window moves are theirs. The command is posted,
// never run here: a modal loop inside the hook would take the same key again.
LRESULT CALLBACK DialogBase::ShortcutFilter(int code, WPARAM wParam, LPARAM lParam) {
  const bool pressed = (lParam & 0x80000000) == 0;
  GUITHREADINFO thread{};
  thread.cbSize = sizeof thread;
  if (code == HC_ACTION && pressed && GetGUIThreadInfo(GetCurrentThreadId(), &thread) &&
      !(thread.flags & (GUI_INMENUMODE | GUI_INMOVESIZE))) {
    // A disabled control loses the focus to nobody; its dialog still has the keys.
    HWND target = thread.hwndFocus ? thread.hwndFocus : thread.hwndActive;
    HWND root = target ? GetAncestor(target, GA_ROOT) : nullptr;
    const auto* dialog = root && HasDialogProcedure(root)
                             ? dynamic_cast<const DialogBase*>(ObjectOf(root, true))
                             : nullptr;
    const MSG message{target, WM_KEYDOWN, wParam, lParam, 0, {}};
    const UINT command = dialog ? dialog->ShortcutCommand(message) : 0;
    if (command) {
      PostMessageA(root, WM_COMMAND, MAKEWPARAM(command, kAcceleratorNotification), 0);
      return 1;
    }
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

LRESULT DialogBase::Reflect(UINT msg, WPARAM wParam, LPARAM lParam) const {
  // The object from the control's user data: a property or GetDlgItem would
  // cost a window-server round trip under Wine, and statics ask for their
  // colours on every paint.
  WindowBase* control = ObjectOf(ReflectedChild(msg, lParam), false);
  if (!control || control->ParentHwnd() != Hwnd()) return 0;
  const LRESULT answer = control->OnReflectedMessage(msg, wParam, lParam);
  if (msg != WM_NOTIFY || !answer) return answer;
  // A dialog procedure gives a notification's result through DWLP_MSGRESULT.
  SetWindowLongPtrA(Hwnd(), DWLP_MSGRESULT, answer);
  return TRUE;
}

LRESULT DialogBase::WindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (const LRESULT answer = Reflect(msg, wParam, lParam)) return answer;
  if (msg == WM_INITDIALOG) {
    PrepareForDpi();
    SetIcons();
    OnInitDialog();
  } else if (msg == WM_DPICHANGED && lParam) {
    ChangeDpi(DpiScale(LOWORD(wParam)), *reinterpret_cast<const RECT*>(lParam));
    return TRUE;
  } else if (msg == WM_COMMAND && HIWORD(wParam) == BN_CLICKED &&
             (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) {
    // Only a click or the dialog manager's Enter and Esc: a framework button
    // with id IDOK also reports its focus (BS_NOTIFY) through WM_COMMAND.
    End(LOWORD(wParam));
  } else if (msg == WM_COMMAND && HIWORD(wParam) == kAcceleratorNotification && !lParam) {
    OnShortcutCommand(LOWORD(wParam));
    return TRUE;
  }
  return WindowBase::WindowProc(window, msg, wParam, lParam);
}

void DialogBase::PrepareForDpi() {
  // Windows 10 (1703) would rescale the dialog itself on a DPI change, by its
  // font; looked up, since earlier systems and Wine lack it.
  static const auto setBehavior =
      reinterpret_cast<SetDialogDpiChangeBehaviorFunction>(reinterpret_cast<void (*)()>(
          GetProcAddress(GetModuleHandleA("user32.dll"), "SetDialogDpiChangeBehavior")));
  if (setBehavior) setBehavior(Hwnd(), kDialogDpiChangeDisableAll, kDialogDpiChangeDisableAll);
  const DpiScale scale = DpiScale::Of(Hwnd());
  if (scale != DpiScale())
    DialogTemplateLayout(instance, templateId, Hwnd()).Place(Hwnd(), scale, true);
}

void DialogBase::ChangeDpi(DpiScale scale, const RECT& suggested) {
  SetWindowPos(Hwnd(), nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
               suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
  DialogTemplateLayout(instance, templateId, Hwnd()).Place(Hwnd(), scale, false);
  OnDpiChanged(scale);
  InvalidateRect(Hwnd(), nullptr, TRUE);
}

void DialogBase::OnDpiChanged(DpiScale) {}

void DialogBase::SetIcons() {
  if (!iconId) return;
  auto load = [this](int cx, int cy) {
    return static_cast<HICON>(
        LoadImageA(instance, MAKEINTRESOURCEA(iconId), IMAGE_ICON, cx, cy, LR_DEFAULTCOLOR));
  };
  // A dialog run again loads its icons again; the former pair goes.
  bigIcon.Reset(load(GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON)));
  smallIcon.Reset(load(GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON)));
  SendMessageA(Hwnd(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(bigIcon.Get()));
  SendMessageA(Hwnd(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon.Get()));
}
