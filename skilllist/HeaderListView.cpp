#include "skilllist/HeaderListView.h"

#include "skilllist/CellText.h"
#include "skilllist/ColumnTable.h"
#include "ui/WindowStyles.h"

namespace {

constexpr int kColumnTitleBufferLength = 128;
constexpr UINT kSelectedAndFocused = LVIS_SELECTED | LVIS_FOCUSED;

}  // namespace

HeaderListView::HeaderListView() : ControlBase(true) {}

bool HeaderListView::Attach(HWND window) {
  if (window && window == Hwnd()) return true;
  // The font and each column would otherwise invalidate and re-measure the
  // list; it is repainted whole once redraw is back on.
  if (window) SendMessageA(window, WM_SETREDRAW, FALSE, 0);
  if (!ControlBase::Attach(window)) return false;
  SetUpStyles();
  SetUpColumns();
  SendMessageA(window, WM_SETREDRAW, TRUE, 0);
  return true;
}

LRESULT HeaderListView::OnReflectedMessage(UINT msg, WPARAM, LPARAM lParam) {
  if (msg != WM_NOTIFY) return 0;
  const UINT code = reinterpret_cast<const NMHDR*>(lParam)->code;
  if (code == LVN_GETDISPINFOA) return OnGetDispInfo(*reinterpret_cast<NMLVDISPINFOA*>(lParam));
  if (code == LVN_ITEMCHANGED) return OnItemChanged();
  return 0;
}

void HeaderListView::SetDpi(DpiScale scale, bool redraw) {
  ControlBase::SetDpi(scale, false);
  for (int column = 0; column < ColumnCount(); ++column)
    SendMessageA(Hwnd(), LVM_SETCOLUMNWIDTH, column, MAKELPARAM(ColumnWidth(column), 0));
  Repaint(redraw, true);
}

int HeaderListView::ColumnWidth(int column) const {
  if (column == kColumnFirstStep)
    return kStepColumnCount * StepColumnWidth(static_cast<int>(Scale().Dpi()));
  return Scale()(kColumnWidths[column]);
}

void HeaderListView::SetTextColor(COLORREF color, bool redraw) {
  ControlBase::SetTextColor(color, false);
  if (Hwnd()) SendMessageA(Hwnd(), LVM_SETTEXTCOLOR, 0, color);
  Repaint(redraw, true);
}

void HeaderListView::SetBackColor(COLORREF color, bool redraw) {
  ControlBase::SetBackColor(color, false);
  if (Hwnd()) {
    SendMessageA(Hwnd(), LVM_SETBKCOLOR, 0, color);
    SendMessageA(Hwnd(), LVM_SETTEXTBKCOLOR, 0, color);
  }
  Repaint(redraw, true);
}

LRESULT HeaderListView::OnItemChanged() const {
  int row = static_cast<int>(SendMessageA(Hwnd(), LVM_GETNEXTITEM, -1, LVNI_SELECTED));
  if (row < 0) row = static_cast<int>(SendMessageA(Hwnd(), LVM_GETNEXTITEM, -1, LVNI_FOCUSED));
  if (row >= 0) {
    LVITEMA cleared{};
    cleared.stateMask = kSelectedAndFocused;
    cleared.state = 0;
    SendMessageA(Hwnd(), LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(&cleared));
  }
  return 0;
}

LRESULT HeaderListView::OnGetDispInfo(NMLVDISPINFOA& request) {
  LVITEMA& item = request.item;
  if (!(item.mask & LVIF_TEXT)) return 0;
  if (item.iSubItem > kColumnHidden && item.iSubItem < kTextColumnCount)
    CopyCellText(item, kColumnTitles[item.iSubItem]);
  else if (item.iSubItem == kColumnFirstStep)
    CopyCellText(item, kListTitleCounter);
  else
    CopyCellText(item, "");
  return 0;
}

void HeaderListView::SetUpColumns() {
  for (int column = 0; column < kTextColumnCount; ++column)
    InsertColumn(column, kColumnTitles[column], kColumnAligns[column]);
  InsertColumn(kColumnFirstStep, "", kColumnAligns[kColumnFirstStep]);
  SendMessageA(Hwnd(), LVM_SETITEMCOUNT, 1, LVSICF_NOINVALIDATEALL);
}

void HeaderListView::SetUpStyles() const {
  RemoveClassDoubleClicks(Hwnd());
  const LONG style = GetWindowLongA(Hwnd(), GWL_STYLE);
  SetWindowLongA(Hwnd(), GWL_STYLE, style | LVS_OWNERDATA | LVS_SINGLESEL);
  constexpr DWORD kExtended = LVS_EX_SUBITEMIMAGES | LVS_EX_FULLROWSELECT;
  SendMessageA(Hwnd(), LVM_SETEXTENDEDLISTVIEWSTYLE, kExtended, kExtended);
}

void HeaderListView::InsertColumn(int index, const char* title, ColumnAlign align) const {
  char titleBuffer[kColumnTitleBufferLength];
  lstrcpynA(titleBuffer, title, kColumnTitleBufferLength);
  LVCOLUMNA column{};
  column.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT;
  column.fmt = align == ColumnAlign::kCenter ? LVCFMT_CENTER : LVCFMT_LEFT;
  column.cx = ColumnWidth(index);
  column.pszText = titleBuffer;
  column.cchTextMax = kColumnTitleBufferLength;
  SendMessageA(Hwnd(), LVM_INSERTCOLUMNA, index, reinterpret_cast<LPARAM>(&column));
}
