#pragma once

#include <windows.h>

#include "app/ThemedDialog.h"

// The About box: the program's name and version, and what the data file
// gave: the skills read and the lines the reader dropped.
class AboutDialog : public ThemedDialog {
 public:
  AboutDialog(HWND owner, int skillCount, int droppedLines);

  LRESULT WindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) override;

 private:
  int skillCount;
  int droppedLines;
};
