#pragma once

// The title list and the skill list of a plan, hosted in a dialog of the same
// controls and list styles as the main window's, with a total display.

#include "harness/ListHostIds.h"
#include "harness/WindowTestSupport.h"
#include "skilllist/SkillListView.h"  // with the title list and the plan

inline constexpr COLORREF kUnlearntColor = palette::kUnlearntColor;
inline constexpr COLORREF kMasterColor = palette::kMasterColor;
inline constexpr COLORREF kAltRowColor = palette::kAltRowColor;

class ListHost : public HostDialog {
 public:
  ListHost(HeaderListView& header, SkillListView& skills, GameDatabase& plan)
      : HostDialog(IDD_LIST_HOST) {
    total = [&plan] { return plan.TotalPoints(); };
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&controls);
    Open();
    Attach(header, IDC_HEADER_LIST);
    Attach(skills, IDC_SKILL_LIST);
    skills.SetStateColors(kUnlearntColor, kMasterColor, false);
    skills.SetAltRowColor(kAltRowColor, false);
    skills.SetPlan(&plan);
    skills.RefreshRows();
    Show();
  }

  void Show() const {
    UpdateWindow(Hwnd());
    PumpMessages();
  }
  HWND SkillList() const { return Item(IDC_SKILL_LIST); }
  HWND Total() const { return Item(IDC_TOTAL_LABEL); }
};
