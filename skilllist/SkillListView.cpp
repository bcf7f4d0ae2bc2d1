#include "skilllist/SkillListView.h"

#include <windowsx.h>

#include <algorithm>

#include "plan/GameDatabase.h"
#include "skilllist/CellText.h"
#include "skilllist/ColumnTable.h"
#include "skilllist/ListMessages.h"
#include "skilllist/SkillCellText.h"
#include "skilllist/SkillTipText.h"
#include "skilllist/StepImageList.h"
#include "skilllist/StepRepeater.h"
#include "skilllist/TextCellPainter.h"

SkillListView::SkillListView() = default;

SkillListView::~SkillListView() { ReleaseImageList(); }

bool SkillListView::Attach(HWND window) {
  if (!HeaderListView::Attach(window)) return false;
  rowTip.Prepare(window);
  return true;
}

std::string SkillListView::RowTipText(int row) const {
  SkillLinks links;
  return plan && plan->CopyRowLinks(row, links) ? SkillTipText(links) : std::string();
}

LRESULT SkillListView::WindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  // The tip sees the mouse first; relaying costs a press nothing.
  if (msg >= WM_MOUSEFIRST && msg <= WM_MOUSELAST) rowTip.OnMouse(msg, wParam, lParam);
  if (rowTip.IsFormatQuery(msg, wParam)) return NFR_ANSI;
  switch (msg) {
    case WM_DESTROY:
      // The worker must have ended before the plan and this object can go.
      EndPress();
      ReleaseImageList();
      rowTip.Destroy();
      break;
    case WM_CAPTURECHANGED:
      // Runs when another window takes the capture (our own release finds the
      // press already ended): the press ends as if the cell were left.
      if (reinterpret_cast<HWND>(lParam) != window) EndPress();
      break;
    case WM_NOTIFY:
      // Runs when the row tip is about to show.
      if (rowTip.OnNotify(lParam, [this](int row) { return RowTipText(row); })) return 0;
      break;
    case WM_MOUSEMOVE:
      OnMouseMove(window, wParam, GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
      break;
    case WM_LBUTTONDOWN:
      if (OnButtonDown(window, wParam, GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam))) return 0;
      break;
    case WM_LBUTTONUP:
      if (OnButtonUp(window, wParam, GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam))) return 0;
      break;
    case WM_KEYDOWN:
      if (OnKeyDown(static_cast<UINT>(wParam))) return 0;
      break;
    case WM_CHAR:
      if (OnChar(static_cast<UINT>(wParam))) return 0;
      break;
    case WM_GETDLGCODE:
      // The arrows move the cursor row here, not the focus to another control.
      return HeaderListView::WindowProc(window, msg, wParam, lParam) | DLGC_WANTARROWS |
             DLGC_WANTCHARS;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      // The cursor row's frame shows only while the list has the focus.
      RedrawRow(cursorRow);
      break;
    case WM_APP_ROW_CHANGED:
      // Sent or posted for each row a level step touched.
      RedrawRow(static_cast<int>(lParam));
      SendMessageA(ParentHwnd(), WM_APP_REFRESH_TOTAL, 0, 0);
      break;
    default:
      break;
  }
  return HeaderListView::WindowProc(window, msg, wParam, lParam);
}

LRESULT SkillListView::OnReflectedMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_NOTIFY && reinterpret_cast<const NMHDR*>(lParam)->code == NM_CUSTOMDRAW)
    return OnCustomDraw(*reinterpret_cast<NMLVCUSTOMDRAW*>(lParam));
  return HeaderListView::OnReflectedMessage(msg, wParam, lParam);
}

void SkillListView::ResetColors() {
  SetBackColor(GetSysColor(COLOR_BTNFACE), false);
  // Custom drawing supplies the text colour, so the control is not told.
  ControlBase::SetTextColor(GetSysColor(COLOR_WINDOWTEXT), false);
  unlearntColor = GetSysColor(COLOR_WINDOWTEXT);
  masterColor = GetSysColor(COLOR_WINDOWTEXT);
}

LRESULT SkillListView::OnGetDispInfo(NMLVDISPINFOA& request) {
  LVITEMA& item = request.item;
  const int row = item.iItem;
  const int column = item.iSubItem;
  std::string text;
  if ((item.mask & LVIF_TEXT) && RowCellText(row, column, text)) CopyCellText(item, text.c_str());
  if (item.mask & LVIF_IMAGE) {
    // Every cell is asked for an image; the text cells must answer that they have none.
    const bool stepColumn = column >= kColumnFirstStep && column < kSkillColumnCount;
    const bool pressed = pressedButton != -1 && row == pressedRow && column == pressedColumn;
    item.iImage = stepColumn ? StepImageIndex(row, column, pressed) : I_IMAGENONE;
  }
  return 0;
}

bool SkillListView::OnButtonDown(HWND window, WPARAM, int x, int y) {
  LVHITTESTINFO hit{};
  hit.pt = POINT{x, y};
  if (SendMessageA(window, LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)) >= 0)
    MoveCursor(hit.iItem);
  int row = -1;
  int column = -1;
  if (repeater || !plan || !StepImageAt(x, y, row, column)) return false;
  // The list control would have taken the focus for a press it had seen.
  SetFocus(window);
  SetCapture(window);
  repeater = std::make_unique<StepRepeater>(window, plan);
  PressCell(row, column);
  // Every step of the press, its repeats with it, is one undo step.
  plan->BeginStep();
  repeater->Start(row, pressedButton);
  return true;
}

bool SkillListView::OnButtonUp(HWND, WPARAM, int x, int y) {
  if (!repeater) return false;
  int row = -1;
  int column = -1;
  FinishPress(StepImageAt(x, y, row, column) && row == pressedRow && column == pressedColumn);
  return true;
}

void SkillListView::OnMouseMove(HWND window, WPARAM keys, int x, int y) {
  const POINT point{x, y};
  if (!PtInRect(&pressedRect, point)) OnButtonUp(window, keys, x, y);
}

void SkillListView::EndPress() {
  if (repeater) FinishPress(false);
}

LRESULT SkillListView::OnCustomDraw(NMLVCUSTOMDRAW& draw) {
  LRESULT answer = CDRF_NOTIFYSUBITEMDRAW;
  switch (draw.nmcd.dwDrawStage) {
    case CDDS_PREPAINT:
      break;
    case CDDS_ITEMPREPAINT:
      if (static_cast<int>(draw.nmcd.dwItemSpec) == cursorRow && GetFocus() == Hwnd())
        answer |= CDRF_NOTIFYPOSTPAINT;
      break;
    case CDDS_ITEMPOSTPAINT: {
      RECT row{};
      row.left = LVIR_BOUNDS;
      SendMessageA(Hwnd(), LVM_GETITEMRECT, cursorRow, reinterpret_cast<LPARAM>(&row));
      DrawFocusRect(draw.nmcd.hdc, &row);
      answer = CDRF_DODEFAULT;
      break;
    }
    case CDDS_ITEMPREPAINT | CDDS_SUBITEM:
      ColorCell(draw);
      // The list would leave room for an image in every text cell and fill
      // only behind the text; the step cells keep the list's image drawing.
      if (draw.iSubItem < kColumnFirstStep) {
        PaintCell(draw);
        answer = CDRF_SKIPDEFAULT;
      }
      break;
    default:
      return CDRF_DODEFAULT;
  }
  return answer;
}

void SkillListView::RefreshRows() {
  EndPress();
  if (!Hwnd()) return;
  const int rows = Rows();
  cursorRow = std::max(0, std::min(cursorRow, rows - 1));
  // The images are loaded with the first rows, not at start-up when the list is empty.
  if (rows > 0 && !imageList) LoadStepImages();
  SendMessageA(Hwnd(), LVM_SETITEMCOUNT, rows, LVSICF_NOINVALIDATEALL);
  InvalidateRect(Hwnd(), nullptr, TRUE);
  SendMessageA(ParentHwnd(), WM_APP_REFRESH_TOTAL, 0, 0);
}

void SkillListView::SetStateColors(COLORREF unlearnt, COLORREF master, bool redraw) {
  unlearntColor = unlearnt;
  masterColor = master;
  Repaint(redraw, false);
}

void SkillListView::SetAltRowColor(COLORREF color, bool redraw) {
  altRowColor = color;
  Repaint(redraw, true);
}

void SkillListView::SetDpi(DpiScale scale, bool redraw) {
  HeaderListView::SetDpi(scale, false);
  // The tip is made again, at the new DPI, when the mouse comes next.
  rowTip.Prepare(Hwnd());
  if (imageList) {
    ReleaseImageList();
    LoadStepImages();
  }
  Repaint(redraw, true);
}

void SkillListView::SetUpColumns() {
  for (int column = 0; column < kTextColumnCount; ++column)
    InsertColumn(column, kColumnTitles[column], kColumnAligns[column]);
  for (int step = 0; step < kStepColumnCount; ++step)
    InsertColumn(kColumnFirstStep + step, kStepColumnTitles[step], ColumnAlign::kLeft);
}

int SkillListView::ColumnWidth(int column) const {
  return column < kColumnFirstStep ? HeaderListView::ColumnWidth(column)
                                   : StepColumnWidth(static_cast<int>(Scale().Dpi()));
}

void SkillListView::PressCell(int row, int column) {
  pressedRect = RECT{};
  pressedRect.top = column;
  pressedRect.left = LVIR_BOUNDS;
  SendMessageA(Hwnd(), LVM_GETSUBITEMRECT, row, reinterpret_cast<LPARAM>(&pressedRect));
  pressedRow = row;
  pressedColumn = column;
  pressedButton = column - kColumnFirstStep;
  RedrawRow(row);
}

void SkillListView::ReleaseCell() {
  const int row = pressedRow;
  pressedRect = RECT{};
  pressedRow = -1;
  pressedColumn = -1;
  pressedButton = -1;
  RedrawRow(row);
}

void SkillListView::RedrawRow(int row) const { SendMessageA(Hwnd(), LVM_REDRAWITEMS, row, row); }

bool SkillListView::StepImageAt(int x, int y, int& row, int& column) const {
  LVHITTESTINFO hit{};
  hit.pt = POINT{x, y};
  SendMessageA(Hwnd(), LVM_SUBITEMHITTEST, 0, reinterpret_cast<LPARAM>(&hit));
  // Beside the image, in the cell's empty label area, is no press.
  if (hit.iItem < 0 || (hit.flags & LVHT_ONITEMLABEL)) return false;
  if (hit.iSubItem < kColumnFirstStep || hit.iSubItem >= kSkillColumnCount) return false;
  row = hit.iItem;
  column = hit.iSubItem;
  return true;
}

void SkillListView::FinishPress(bool stepArmed) {
  // Taken out first: releasing the capture reports a capture change, which
  // must find no press left to end.
  std::unique_ptr<StepRepeater> ending = std::move(repeater);
  // After a lost capture another window holds it; that one is not ours to release.
  if (GetCapture() == Hwnd()) ReleaseCapture();
  const bool armed = pressedButton == Zero || pressedButton == Max;
  if (!armed || stepArmed) ending->Finish();
  ending->Close();
  if (plan) plan->EndStep();
  ReleaseCell();
}

bool SkillListView::OnKeyDown(UINT key) {
  const bool shift = GetKeyState(VK_SHIFT) < 0;
  const int page = std::max(1, static_cast<int>(SendMessageA(Hwnd(), LVM_GETCOUNTPERPAGE, 0, 0)));
  switch (key) {
    case VK_UP:
      MoveCursor(cursorRow - 1);
      return true;
    case VK_DOWN:
      MoveCursor(cursorRow + 1);
      return true;
    case VK_PRIOR:
      MoveCursor(cursorRow - page);
      return true;
    case VK_NEXT:
      MoveCursor(cursorRow + page);
      return true;
    case VK_HOME:
      MoveCursor(0);
      return true;
    case VK_END:
      MoveCursor(Rows() - 1);
      return true;
    case VK_RIGHT:
      StepCursorRow(shift ? Max : Up);
      return true;
    case VK_LEFT:
      StepCursorRow(shift ? Zero : Down);
      return true;
    default:
      return false;
  }
}

// + and - come as characters from the main keys of any layout and the keypad alike.
bool SkillListView::OnChar(UINT character) {
  if (character == '+')
    StepCursorRow(Up);
  else if (character == '-')
    StepCursorRow(Down);
  else
    return false;
  return true;
}

void SkillListView::MoveCursor(int row) {
  const int rows = Rows();
  if (rows == 0) return;
  const int previous = cursorRow;
  cursorRow = std::max(0, std::min(row, rows - 1));
  SendMessageA(Hwnd(), LVM_ENSUREVISIBLE, cursorRow, FALSE);
  // The frame shows only with the focus; taking the focus redraws the row.
  if (previous == cursorRow || GetFocus() != Hwnd()) return;
  RedrawRow(previous);
  RedrawRow(cursorRow);
}

void SkillListView::StepCursorRow(LevelOp op) {
  if (!plan || cursorRow >= Rows()) return;
  EndPress();
  ChangeList changes;
  plan->StepRowLevel(cursorRow, op, changes);
  for (std::int32_t id : changes) SendMessageA(Hwnd(), WM_APP_ROW_CHANGED, 0, id);
}

int SkillListView::Rows() const { return plan ? plan->RowCount() : 0; }

POINT SkillListView::CursorRowPoint() const {
  RECT row{};
  row.left = LVIR_BOUNDS;
  SendMessageA(Hwnd(), LVM_GETITEMRECT, cursorRow, reinterpret_cast<LPARAM>(&row));
  POINT point{row.left, row.bottom};
  ClientToScreen(Hwnd(), &point);
  return point;
}

void SkillListView::ColorCell(NMLVCUSTOMDRAW& draw) const {
  const int row = static_cast<int>(draw.nmcd.dwItemSpec);
  bool mastered = false;
  // Only the level's columns ask the plan for the row.
  const int level = FollowsLevel(draw.iSubItem) ? RowLevel(row, mastered) : 0;
  const CellColors colors = CellColorsOf(Colors(), row, draw.iSubItem, level, mastered);
  draw.clrText = colors.text;
  draw.clrTextBk = colors.back;
}

ListColors SkillListView::Colors() const {
  return ListColors{TextColor(), BackColor(), altRowColor, unlearntColor, masterColor};
}

int SkillListView::RowHeight() const {
  RECT row{};
  row.left = LVIR_BOUNDS;
  if (!SendMessageA(Hwnd(), LVM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&row))) return 0;
  return row.bottom - row.top;
}

void SkillListView::PaintCell(const NMLVCUSTOMDRAW& draw) const {
  const int row = static_cast<int>(draw.nmcd.dwItemSpec);
  const int column = draw.iSubItem;
  if (column == kColumnHidden) return;
  RECT cell{};
  cell.top = column;
  cell.left = LVIR_BOUNDS;
  SendMessageA(Hwnd(), LVM_GETSUBITEMRECT, row, reinterpret_cast<LPARAM>(&cell));
  std::string text;
  RowCellText(row, column, text);
  PaintTextCell(draw.nmcd.hdc, cell, text.c_str(), kColumnAligns[column], draw.clrText,
                draw.clrTextBk, Scale());
}

bool SkillListView::RowCellText(int row, int column, std::string& text) const {
  SkillEntry entry;
  if (!plan || !plan->CopyRowEntry(row, entry)) return false;
  const int points = column == kColumnPoints ? plan->RowPoints(row) : 0;
  text = SkillCellText(entry, points, column);
  return true;
}

int SkillListView::RowLevel(int row, bool& mastered) const {
  SkillEntry entry;
  if (!plan || !plan->CopyRowEntry(row, entry)) return 0;
  mastered = entry.IsMastered();
  return entry.level;
}

void SkillListView::LoadStepImages() {
  imageList.Reset(CreateStepImageList(GetModuleHandleA(nullptr), Scale().Dpi()));
  SendMessageA(Hwnd(), LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(imageList.Get()));
}

void SkillListView::ReleaseImageList() {
  if (!imageList) return;
  // The control must not keep, or destroy again, a list we destroy.
  if (Hwnd()) SendMessageA(Hwnd(), LVM_SETIMAGELIST, LVSIL_SMALL, 0);
  imageList.Reset();
}
