#include "TestDialog.h"

TestDialog::TestDialog(WORD templateId) : DialogBase(TestModule(), nullptr, templateId) {}

TestDialog::~TestDialog() {
  if (Hwnd()) DestroyWindow(Hwnd());
}

bool TestDialog::Open() {
  if (Run(false, true) != 0) return false;
  PumpUntilIdle();
  return true;
}

void TestDialog::OnInitDialog() {
  DialogBase::OnInitDialog();
  if (onInit) onInit(Hwnd());
}

void TestDialog::AttachButton(ButtonBase& button, int id) {
  button.Attach(Item(id));
  ApplyMainWindowLook(button);
  buttons[id] = &button;
}

void TestDialog::AttachStatic(StaticText& text, int id) {
  text.Attach(Item(id));
  ApplyMainWindowLook(text);
  staticText = &text;
}

LRESULT TestDialog::WindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  seen.push_back(msg);
  switch (msg) {
    case WM_DRAWITEM: {
      auto found = buttons.find(static_cast<int>(wParam));
      if (found != buttons.end() && found->second->DrawItem(*reinterpret_cast<DRAWITEMSTRUCT*>(lParam))) return TRUE;
      break;
    }
    case WM_CTLCOLORSTATIC:
      if (staticText && reinterpret_cast<HWND>(lParam) == staticText->Hwnd())
        return reinterpret_cast<LRESULT>(staticText->OnCtlColor(reinterpret_cast<HDC>(wParam)));
      break;
    case WM_COMMAND:
      if (HIWORD(wParam) == BN_CLICKED && lParam)
        clicks.push_back({LOWORD(wParam), SendMessageA(reinterpret_cast<HWND>(lParam), BM_GETCHECK, 0, 0)});
      break;
  }
  return DialogBase::WindowProc(window, msg, wParam, lParam);
}

void ApplyMainWindowLook(ControlBase& control) {
  control.SetTextColor(kTextColor, false);
  control.SetBackColor(kBackColor, false);
  control.SetFaceName("MS UI Gothic", false);
  control.SetHeight(12, false);
}

void PumpUntilIdle() {
  for (int quietRounds = 0; quietRounds < 3;) {
    MSG msg;
    bool any = false;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      any = true;
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
    quietRounds = any ? 0 : quietRounds + 1;
    Sleep(10);
  }
}

HINSTANCE TestModule() { return GetModuleHandleA(nullptr); }
