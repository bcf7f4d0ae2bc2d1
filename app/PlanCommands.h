#pragma once

#include <windows.h>

#include <functional>

// The plan commands of the main window, reached by keyboard shortcuts, the
// window's system menu and the skill list's context menu. Their ids are
// system-menu ids: below 0xF000, the low four bits zero.
inline constexpr UINT kCommandUndo = 0x0100;
inline constexpr UINT kCommandRedo = 0x0110;
inline constexpr UINT kCommandCopyPlan = 0x0120;
inline constexpr UINT kCommandCopyTable = 0x0130;
inline constexpr UINT kCommandPastePlan = 0x0140;
inline constexpr UINT kCommandOverview = 0x0150;
inline constexpr UINT kCommandAbout = 0x0160;
inline constexpr UINT kCommandCopyPicture = 0x0170;
inline constexpr UINT kCommandSavePicture = 0x0180;
inline constexpr UINT kCommandCompareFile = 0x0190;
inline constexpr UINT kCommandCompareClipboard = 0x01A0;
inline constexpr UINT kCommandCompareSaved = 0x01B0;

// True for an id of the plan commands (a WM_SYSCOMMAND's wParam masked with 0xFFF0).
bool IsPlanCommand(UINT id);

// Inserts the menu items of the plan commands at position, in groups with
// separators between them. The system menu gets every item and a separator
// after them; a context menu leaves out the items that concern the program
// rather than the plan. No access key is one of the system menu's own
// (R, M, S, N, X, C), which Alt+Space and that letter must reach.
void InsertPlanCommandItems(HMENU menu, UINT position, bool systemMenu);
// Greys the items whose command cannot act now.
void EnablePlanCommandItems(HMENU menu, const std::function<bool(UINT)>& canRun);

// The command that Ctrl with the key (and Shift, when shift) runs: a plan
// command or the id of a button of the main window; 0 for none.
UINT CommandOfShortcut(UINT key, bool shift);
