#pragma once

#include <windows.h>

#include <commctrl.h>

#include "skilllist/ColumnTable.h"
#include "ui/ControlBase.h"

// The one-row title list above the skill list: an owner-data report list
// whose single row shows the column titles, so that it reads as a header.
// Its notifications come back to it from its dialog.
class HeaderListView : public ControlBase {
 public:
  HeaderListView();

  // Binds, styles and inserts the columns; a second attach to the same list
  // changes nothing.
  bool Attach(HWND window) override;
  // The list's WM_NOTIFY: LVN_GETDISPINFOA and LVN_ITEMCHANGED.
  LRESULT OnReflectedMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
  void SetTextColor(COLORREF color, bool redraw) override;
  void SetBackColor(COLORREF color, bool redraw) override;
  // The font and every column's width at the DPI.
  void SetDpi(DpiScale scale, bool redraw) override;
  // A column's width at the list's DPI. The counter column is exactly as wide
  // as the four step columns under it.
  virtual int ColumnWidth(int column) const;

 protected:
  // LVN_GETDISPINFOA: the title of the requested column.
  virtual LRESULT OnGetDispInfo(NMLVDISPINFOA& request);
  // Columns 0 to 8 and the one row.
  virtual void SetUpColumns();
  virtual int ColumnCount() const { return kTitleColumnCount; }

  // Inserts the column at ColumnWidth (index).
  void InsertColumn(int index, const char* title, ColumnAlign align) const;

 private:
  // LVN_ITEMCHANGED: no row stays selected or focused.
  LRESULT OnItemChanged() const;
  void SetUpStyles() const;
};
