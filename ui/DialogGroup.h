#pragma once

#include <windows.h>

#include <vector>

// The controls of one dialog group, in the dialog's control order: from the
// nearest control at or before the given one that has WS_GROUP up to the next
// control with WS_GROUP. Unlike GetNextDlgGroupItem it sees hidden and
// disabled controls too, and the walk is bounded whatever the template holds.
class DialogGroup {
 public:
  static std::vector<HWND> Members(HWND control);

  static constexpr int kMaxMembers = 1024;

 private:
  static HWND First(HWND control);
};
