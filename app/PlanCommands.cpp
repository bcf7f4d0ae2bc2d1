#include "app/PlanCommands.h"

#include <JapaneseText.h>

#include <algorithm>
#include <iterator>

#include "res/ControlIds.h"

namespace {

struct MenuCommand {
  UINT id;
  const char* text;
  bool systemMenuOnly = false;
};
constexpr MenuCommand kMenuCommands[] = {
    {kCommandUndo, kMenuUndo},           {kCommandRedo, kMenuRedo},
    {kCommandCopyPlan, kMenuCopyPlan},   {kCommandCopyTable, kMenuCopyTable},
    {kCommandPastePlan, kMenuPastePlan}, {kCommandOverview, kMenuOverview},
    {kCommandAbout, kMenuAbout, true}};

struct Shortcut {
  UINT key;
  bool shift;
  UINT command;
};
constexpr Shortcut kShortcuts[] = {
    {'Z', false, kCommandUndo},     {'Y', false, kCommandRedo},     {'Z', true, kCommandRedo},
    {'C', false, kCommandCopyPlan}, {'C', true, kCommandCopyTable}, {'V', false, kCommandPastePlan},
    {'I', false, kCommandOverview}, {'S', false, IDC_SAVE_BUTTON},  {'O', false, IDC_LOAD_BUTTON}};

}  // namespace

bool IsPlanCommand(UINT id) {
  return std::any_of(std::begin(kMenuCommands), std::end(kMenuCommands),
                     [id](const MenuCommand& command) { return command.id == id; });
}

void InsertPlanCommandItems(HMENU menu, UINT position, bool systemMenu) {
  for (const MenuCommand& command : kMenuCommands)
    if (systemMenu || !command.systemMenuOnly)
      InsertMenuA(menu, position++, MF_BYPOSITION | MF_STRING, command.id, command.text);
  if (systemMenu) InsertMenuA(menu, position, MF_BYPOSITION | MF_SEPARATOR, 0, nullptr);
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
