#include "app/PlanCommands.h"

#include <JapaneseText.h>

#include <algorithm>
#include <iterator>

#include "res/ControlIds.h"

namespace {

// Items of one group stand together, a separator between groups.
struct MenuCommand {
  UINT id;
  const char* text;
  int group;
  bool systemMenuOnly = false;
};
constexpr MenuCommand kMenuCommands[] = {{kCommandUndo, kMenuUndo, 0},
                                         {kCommandRedo, kMenuRedo, 0},
                                         {kCommandCopyPlan, kMenuCopyPlan, 1},
                                         {kCommandCopyTable, kMenuCopyTable, 1},
                                         {kCommandCopyPicture, kMenuCopyPicture, 1},
                                         {kCommandSavePicture, kMenuSavePicture, 1},
                                         {kCommandPastePlan, kMenuPastePlan, 1},
                                         {kCommandOverview, kMenuOverview, 2},
                                         {kCommandCompareFile, kMenuCompareFile, 3},
                                         {kCommandCompareClipboard, kMenuCompareClipboard, 3},
                                         {kCommandCompareSaved, kMenuCompareSaved, 3},
                                         {kCommandAbout, kMenuAbout, 4, true}};

struct Shortcut {
  UINT key;
  bool shift;
  UINT command;
};
constexpr Shortcut kShortcuts[] = {
    {'Z', false, kCommandUndo},     {'Y', false, kCommandRedo},
    {'Z', true, kCommandRedo},      {'C', false, kCommandCopyPlan},
    {'C', true, kCommandCopyTable}, {'V', false, kCommandPastePlan},
    {'I', false, kCommandOverview}, {'S', false, IDC_SAVE_BUTTON},
    {'O', false, IDC_LOAD_BUTTON},  {'G', false, kCommandCopyPicture}};

}  // namespace

bool IsPlanCommand(UINT id) {
  return std::any_of(std::begin(kMenuCommands), std::end(kMenuCommands),
                     [id](const MenuCommand& command) { return command.id == id; });
}

void InsertPlanCommandItems(HMENU menu, UINT position, bool systemMenu) {
  auto separate = [&] { InsertMenuA(menu, position++, MF_BYPOSITION | MF_SEPARATOR, 0, nullptr); };
  const MenuCommand* previous = nullptr;
  for (const MenuCommand& command : kMenuCommands) {
    if (!systemMenu && command.systemMenuOnly) continue;
    if (previous && previous->group != command.group) separate();
    InsertMenuA(menu, position++, MF_BYPOSITION | MF_STRING, command.id, command.text);
    previous = &command;
  }
  // Apart from Windows' own items.
  if (systemMenu) separate();
}

void EnablePlanCommandItems(HMENU menu, const std::function<bool(UINT)>& canRun) {
  for (const MenuCommand& command : kMenuCommands)
    EnableMenuItem(menu, command.id, MF_BYCOMMAND | (canRun(command.id) ? MF_ENABLED : MF_GRAYED));
}

UINT CommandOfShortcut(UINT key, bool shift) {
  for (const Shortcut& shortcut : kShortcuts)
    if (shortcut.key == key && shortcut.shift == shift) return shortcut.command;
  return 0;
}
