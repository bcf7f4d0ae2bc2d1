#include "app/ErrorBox.h"

void ShowErrorBox(HWND owner, const char* text) {
  MessageBoxA(owner, text, kErrorCaption, MB_ICONERROR | MB_OK);
}
