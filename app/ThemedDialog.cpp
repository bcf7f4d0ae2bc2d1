#include "app/ThemedDialog.h"

#include <commctrl.h>

#include "app/Theme.h"

namespace {

HINSTANCE ModuleOf(HWND window) {
  return window ? reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(window, GWLP_HINSTANCE))
                : GetModuleHandleA(nullptr);
}

HFONT ThemeFont(DpiScale scale) {
  LOGFONTA description{};
  description.lfHeight = -scale(kThemeFontHeight);
  description.lfCharSet = DEFAULT_CHARSET;
  lstrcpynA(description.lfFaceName, kThemeFaceName, LF_FACESIZE);
  return CreateFontIndirectA(&description);
}

bool IsClass(HWND window, const char* name) {
  char className[32] = {};
  GetClassNameA(window, className, sizeof className);
  return lstrcmpiA(className, name) == 0;
}

}  // namespace

ThemedDialog::ThemedDialog(HWND owner, WORD templateId, const char* caption)
    : DialogBase(ModuleOf(owner), owner, templateId),
      caption(caption),
      background(CreateSolidBrush(kThemeBackColor)) {}

LRESULT ThemedDialog::WindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_INITDIALOG) {
    SetWindowTextA(window, caption);
    ApplyThemeToControls();
  } else if (msg == WM_CTLCOLORDLG) {
    return reinterpret_cast<LRESULT>(background.Get());
  }
  const LRESULT answer = DialogBase::WindowProc(window, msg, wParam, lParam);
  // A static text that no object colours takes the theme's.
  if (msg != WM_CTLCOLORSTATIC || answer) return answer;
  const auto dc = reinterpret_cast<HDC>(wParam);
  ::SetTextColor(dc, kThemeTextColor);
  SetBkMode(dc, TRANSPARENT);
  return reinterpret_cast<LRESULT>(background.Get());
}

void ThemedDialog::OnDpiChanged(DpiScale scale) {
  for (const auto& button : buttons) button->SetDpi(scale, true);
  SetChildFonts(scale);
}

void ThemedDialog::SetChildFonts(DpiScale scale) {
  HFONT built = ThemeFont(scale);
  for (HWND child = GetWindow(Hwnd(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
    if (!IsClass(child, "Button"))
      SendMessageA(child, WM_SETFONT, reinterpret_cast<WPARAM>(built), TRUE);
  // The former font goes only once no child holds it.
  font.Reset(built);
}

void ThemedDialog::ApplyThemeToControls() {
  buttons.clear();  // those of an earlier run
  SetChildFonts(DpiScale::Of(Hwnd()));
  for (HWND child = GetWindow(Hwnd(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (IsClass(child, "Button")) {
      buttons.push_back(std::make_unique<PushButton>());
      ApplyTheme(*buttons.back(), child);
      continue;
    }
    if (IsClass(child, WC_LISTVIEWA)) {
      SendMessageA(child, LVM_SETTEXTCOLOR, 0, kThemeTextColor);
      SendMessageA(child, LVM_SETBKCOLOR, 0, kThemeBackColor);
      SendMessageA(child, LVM_SETTEXTBKCOLOR, 0, kThemeBackColor);
    }
  }
}
