#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "ui/ToolTip.h"

// A list view's tip that follows the row under the mouse. Two tools take
// turns over the row under the mouse, so that a move to another row reads to
// the tip as a move to another tool: it hides and shows again with the new
// row's text. The list window gets the tip's notifications.
class ListRowTip {
 public:
  void Prepare(HWND list);
  void Destroy();
  // Every mouse message of the list, before the list handles it.
  void OnMouse(UINT msg, WPARAM wParam, LPARAM lParam);
  // The tip's question for the notification format: ANSI, as every text here.
  bool IsFormatQuery(UINT msg, WPARAM wParam) const { return tip.IsFormatQuery(msg, wParam); }
  // The tip's request for a text, answered with the text of the row under
  // the mouse (-1 for none; an empty text shows no tip); false for any other
  // notification.
  bool OnNotify(LPARAM notification, const std::function<std::string(int row)>& textOfRow);

 private:
  ToolTip tip;
  HWND list = nullptr;
  int row = -1;
  UINT tool = 0;
  std::string text;
};
