#pragma once

// A modeless dialog that hosts the title list and the skill list the way the
// main window does: it attaches and styles both, passes their WM_NOTIFY to
// their WindowProc and returns the answer, and on WM_APP_REFRESH_TOTAL counts
// it and shows the plan's total in its total control.

#include <windows.h>

#include <commctrl.h>

#include "plan/GameDatabase.h"
#include "res/ControlIds.h"
#include "skilllist/HeaderListView.h"
#include "skilllist/SkillListView.h"
#include "harness/ListHostIds.h"
#include "skilllist/ListMessages.h"

inline constexpr COLORREF kHostTextColor = 0x800000;
inline constexpr COLORREF kHostBackColor = 0xFFE0C0;
inline constexpr COLORREF kHostUnlearntColor = 0x907060;
inline constexpr COLORREF kHostMasterColor = 0x0000FF;
inline constexpr COLORREF kHostAltRowColor = 0xF4D4B4;

// Handles every message that is waiting, so that painting is done.
inline void PumpMessages() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

class ListHost {
 public:
  ListHost(HeaderListView& header, SkillListView& skills, GameDatabase& plan)
      : header(header), skills(skills), plan(plan) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&controls);
    dialog = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_LIST_HOST),
                                nullptr, Procedure, reinterpret_cast<LPARAM>(this));
    Style(header, GetDlgItem(dialog, IDC_HEADER_LIST));
    Style(skills, GetDlgItem(dialog, IDC_SKILL_LIST));
    skills.SetStateColors(kHostUnlearntColor, kHostMasterColor, false);
    skills.SetAltRowColor(kHostAltRowColor, false);
    skills.SetPlan(&plan);
    skills.RefreshRows();
    Show();
  }
  ~ListHost() {
    if (dialog) DestroyWindow(dialog);
  }
  ListHost(const ListHost&) = delete;
  ListHost& operator=(const ListHost&) = delete;

  // Paints everything that is due.
  void Show() const {
    UpdateWindow(dialog);
    PumpMessages();
  }

  HWND Dialog() const { return dialog; }
  HWND HeaderList() const { return GetDlgItem(dialog, IDC_HEADER_LIST); }
  HWND SkillList() const { return GetDlgItem(dialog, IDC_SKILL_LIST); }
  HWND Total() const { return GetDlgItem(dialog, IDC_TOTAL_LABEL); }
  int RefreshTotalCount() const { return refreshTotalCount; }

 private:
  static void Style(ControlBase& list, HWND control) {
    list.Attach(control);
    list.SetTextColor(kHostTextColor, false);
    list.SetBackColor(kHostBackColor, false);
    list.SetFaceName("MS UI Gothic", false);
    list.SetHeight(12, false);
  }

  static INT_PTR CALLBACK Procedure(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_INITDIALOG) {
      SetWindowLongPtrA(window, GWLP_USERDATA, lParam);
      return TRUE;
    }
    auto* host = reinterpret_cast<ListHost*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (!host) return FALSE;
    if (msg == WM_APP_REFRESH_TOTAL) {
      ++host->refreshTotalCount;
      SetDlgItemInt(window, IDC_TOTAL_LABEL, host->plan.TotalPoints(), TRUE);
      return TRUE;
    }
    if (msg == WM_NOTIFY) {
      const auto* notification = reinterpret_cast<const NMHDR*>(lParam);
      if (notification->idFrom == IDC_HEADER_LIST)
        return host->header.WindowProc(notification->hwndFrom, msg, wParam, lParam);
      if (notification->idFrom == IDC_SKILL_LIST)
        return host->skills.WindowProc(notification->hwndFrom, msg, wParam, lParam);
    }
    return FALSE;
  }

  HeaderListView& header;
  SkillListView& skills;
  GameDatabase& plan;
  HWND dialog = nullptr;
  int refreshTotalCount = 0;
};
