#include "ui/DialogGroup.h"

namespace {

bool StartsGroup(HWND control) { return (GetWindowLongA(control, GWL_STYLE) & WS_GROUP) != 0; }

}  // namespace

HWND DialogGroup::First(HWND control) {
  HWND first = control;
  for (int steps = 0; steps < kMaxMembers && !StartsGroup(first); ++steps) {
    HWND previous = GetWindow(first, GW_HWNDPREV);
    if (!previous) break;
    first = previous;
  }
  return first;
}

std::vector<HWND> DialogGroup::Members(HWND control) {
  std::vector<HWND> members;
  if (!control) return members;
  HWND member = First(control);
  do {
    members.push_back(member);
    member = GetWindow(member, GW_HWNDNEXT);
  } while (member && !StartsGroup(member) && static_cast<int>(members.size()) < kMaxMembers);
  return members;
}
