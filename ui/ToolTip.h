#pragma once

#include <windows.h>

#include <commctrl.h>

#include <string>
#include <vector>

#include "ui/GdiObject.h"

// A tooltip window over rectangles of other windows (its tools). A tool's
// window is asked for the text (TTN_GETDISPINFOA) each time the tip shows, and
// an empty text shows no tip. The tool windows hand it their mouse messages
// through Relay, so no window is subclassed for it. The tip window is made on
// the first relayed message: a top-level window costs dozens of window-server
// round trips, which a start-up should not pay for a tip that may never show.
// It is made at its owner's DPI; Prepare it again after the DPI changed.
class ToolTip {
 public:
  ToolTip() = default;
  ~ToolTip();
  ToolTip(const ToolTip&) = delete;
  ToolTip& operator=(const ToolTip&) = delete;

  // The tip of a window (owned by its top-level window): shown also while
  // another program is active, several lines, "&" shown as it is.
  void Prepare(HWND window);
  void Destroy();
  void AddTool(HWND window, UINT id);
  // The client rectangle of window that the tool covers; empty for none.
  void MoveTool(HWND window, UINT id, const RECT& area);
  void Relay(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
  // True for the tip's question, as a tool is added, whether its window wants
  // the A or W notifications; the answer is NFR_ANSI.
  bool IsFormatQuery(UINT msg, WPARAM wParam) const;
  // True for the tip's request for a text.
  bool IsTextRequest(LPARAM notification) const;
  // Answers the request with the text, which must stay until the next request.
  static void Answer(LPARAM notification, const std::string& text);

 private:
  struct Tool {
    HWND window;
    UINT id;
    RECT area;
  };

  bool Make();
  void Register(const Tool& added) const;

  // The system's tip font and width at the owner's DPI, where that is not
  // the system's own.
  void FollowOwnerDpi();

  HWND owner = nullptr;
  HWND hwnd = nullptr;
  OwnedFont font;
  std::vector<Tool> tools;
};
