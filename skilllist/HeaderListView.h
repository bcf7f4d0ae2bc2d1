#pragma once

#include <windows.h>

#include <commctrl.h>

#include "ui/ControlBase.h"

// The one-row title list above the skill list: an owner-data report list
// whose single row shows the column titles, so that it reads as a header.
// Its notifications reach it through the parent dialog, which passes the
// list's WM_NOTIFY to WindowProc and returns the answer.
class HeaderListView : public ControlBase {
 public:
  HeaderListView();

  // Binds, styles and inserts the columns; a second attach to the same list
  // changes nothing.
  bool Attach(HWND window) override;
  LRESULT WindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) override;
  void SetTextColor(COLORREF color, bool redraw) override;
  void SetBackColor(COLORREF color, bool redraw) override;

  // LVN_ITEMCHANGED: no row stays selected or focused.
  virtual LRESULT OnItemChanged(HWND window, const NMLISTVIEW& notification);
  // LVN_GETDISPINFOA: the title of the requested column.
  virtual LRESULT OnGetDispInfo(NMLVDISPINFOA& request);

 protected:
  // Columns 0 to 8 and the one row.
  virtual void SetUpColumns();
  virtual void SetUpStyles();

  void InsertColumn(int index, const char* title, int width, int format) const;
  // True for a notification that the list itself sent (not its header control).
  bool IsOwnNotification(LPARAM lParam) const;
};
