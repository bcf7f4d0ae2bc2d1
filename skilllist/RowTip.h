#pragma once

#include <windows.h>

#include <string>

#include "plan/GameDatabase.h"
#include "ui/ToolTip.h"

// The skill list's tip: it follows the row under the mouse and shows what
// ties that row's skill to others. Two tools take turns over the row under
// the mouse, so that a move to another row reads to the tip as a move to
// another tool: it hides and shows again with the new row's text.
class RowTip {
 public:
  void Prepare(HWND list);
  void Destroy();
  // Every mouse message of the list, before the list handles it.
  void OnMouse(UINT msg, WPARAM wParam, LPARAM lParam);
  // The tip's question for the notification format: ANSI, as every text here.
  bool IsFormatQuery(UINT msg, WPARAM wParam) const { return tip.IsFormatQuery(msg, wParam); }
  // The tip's request for a text, answered from the plan; false for any
  // other notification.
  bool OnNotify(LPARAM notification, const GameDatabase* plan);

 private:
  ToolTip tip;
  HWND list = nullptr;
  int row = -1;
  UINT tool = 0;
  std::string text;
};
