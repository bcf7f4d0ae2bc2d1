#pragma once

// The title list and the skill list of a plan, hosted in a dialog of the same
// controls and list styles as the main window's, with a total display.

#include <windows.h>

#include <commctrl.h>

#include "harness/ListHostIds.h"
#include "harness/WindowTestSupport.h"
#include "plan/GameDatabase.h"
#include "skilllist/HeaderListView.h"
#include "skilllist/SkillListView.h"

inline constexpr COLORREF kUnlearntColor = 0x907060, kMasterColor = 0x0000FF;
inline constexpr COLORREF kAltRowColor = 0xF4D4B4;

class ListHost {
 public:
  ListHost(HeaderListView& header, SkillListView& skills, GameDatabase& plan)
      : dialog(IDD_LIST_HOST) {
    dialog.total = [&plan] { return plan.TotalPoints(); };
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&controls);
    dialog.Open();
    dialog.Attach(header, IDC_HEADER_LIST);
    dialog.Attach(skills, IDC_SKILL_LIST);
    skills.SetStateColors(kUnlearntColor, kMasterColor, false);
    skills.SetAltRowColor(kAltRowColor, false);
    skills.SetPlan(&plan);
    skills.RefreshRows();
    Show();
  }

  void Show() const {
    UpdateWindow(dialog.Hwnd());
    PumpMessages();
  }
  HWND HeaderList() const { return dialog.Item(IDC_HEADER_LIST); }
  HWND SkillList() const { return dialog.Item(IDC_SKILL_LIST); }
  HWND Total() const { return dialog.Item(IDC_TOTAL_LABEL); }

 private:
  HostDialog dialog;
};
