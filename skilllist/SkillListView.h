#pragma once

#include <memory>
#include <string>

#include "plan/GameDatabase.h"
#include "skilllist/CellColors.h"
#include "skilllist/HeaderListView.h"
#include "ui/ListRowTip.h"
#include "ui/OwnedHandle.h"

class StepRepeater;

// The skill list: one row per skill of the plan, asked for cell by cell, with
// four step-button cells at the end of each row. Custom drawing gives the row
// and state colours and paints the text cells itself.
// A press on a step cell's image captures the mouse until the release, a move
// out of the cell or the loss of the capture ends it.
class SkillListView : public HeaderListView {
 public:
  SkillListView();
  ~SkillListView() override;

  // Binds as the title list does, then puts up the row tip.
  bool Attach(HWND window) override;
  LRESULT WindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) override;
  // NM_CUSTOMDRAW, then the title list's notifications.
  LRESULT OnReflectedMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

  // The plan whose rows are shown; not owned. Nothing is redrawn.
  void SetPlan(GameDatabase* shownPlan) { plan = shownPlan; }
  // Ends a press under way: "<<" and ">>" without their step, "<" and ">" with
  // their worker stopped and joined. Call it before anything rebuilds, resets
  // or loads the plan, so that no worker steps a row of a plan rebuilt under it.
  void EndPress();
  // Ends a press, takes the plan's row count (loading the step images with
  // the first rows), repaints and has the parent show the total again.
  void RefreshRows();
  void SetStateColors(COLORREF unlearnt, COLORREF master, bool redraw);
  // The keyboard cursor row: moved by the arrow and page keys and by clicks,
  // stepped by Right, Left, + and -; framed while the list has the focus.
  int CursorRow() const { return cursorRow; }
  // A screen point at the cursor row's left, for a menu opened from the keyboard.
  POINT CursorRowPoint() const;
  // Background of the even rows.
  void SetAltRowColor(COLORREF color, bool redraw);
  // Also the step images of the DPI, once they are loaded.
  void SetDpi(DpiScale scale, bool redraw) override;
  // The colours its cells are drawn in.
  ListColors Colors() const;
  // The height of its rows in pixels; 0 while it shows none.
  int RowHeight() const;
  int ColumnWidth(int column) const override;

 protected:
  // Back colour COLOR_BTNFACE; text, unlearnt and master colours COLOR_WINDOWTEXT.
  void ResetColors() override;
  // Cell texts from the plan, and the step images.
  LRESULT OnGetDispInfo(NMLVDISPINFOA& request) override;
  // The answer for the list at each draw stage; CDRF_DODEFAULT for a stage
  // that is not handled.
  virtual LRESULT OnCustomDraw(NMLVCUSTOMDRAW& draw);
  // Columns 0 to 11.
  void SetUpColumns() override;
  int ColumnCount() const override { return kSkillColumnCount; }

  // Shows the pressed image in one step cell (column 8 to 11) of a row.
  void PressCell(int row, int column);
  // Shows the pressed cell's normal image again.
  void ReleaseCell();
  void RedrawRow(int row) const;

 private:
  // Press handling on the step cells. A press or release that returns true is
  // kept from the list control. "<<" and ">>" step on a release over the
  // pressed cell's image; "<" and ">" step at once and every 300 ms while held.
  bool OnButtonDown(HWND window, WPARAM keys, int x, int y);
  bool OnButtonUp(HWND window, WPARAM keys, int x, int y);
  // Leaving the pressed cell ends the press as a release there would.
  void OnMouseMove(HWND window, WPARAM keys, int x, int y);
  void ColorCell(NMLVCUSTOMDRAW& draw) const;
  // Paints a text cell (column 1 to 7) whole in the colours ColorCell gave;
  // the hidden column 0 gets nothing.
  void PaintCell(const NMLVCUSTOMDRAW& draw) const;
  // The text a column shows for a row; false for a row that cannot be copied.
  bool RowCellText(int row, int column, std::string& text) const;
  // The row's level; 0 for a row that cannot be copied.
  int RowLevel(int row, bool& mastered) const;
  void ReleaseImageList();
  // The step images at the list's DPI, as the list's small images.
  void LoadStepImages();
  // The step cell whose image lies under the point, if any.
  bool StepImageAt(int x, int y, int& row, int& column) const;
  // Ends the press under way; an armed "<<" or ">>" steps only when stepArmed.
  void FinishPress(bool stepArmed);
  // A key for the cursor row; true when it was used.
  bool OnKeyDown(UINT key);
  // What ties the row's skill to others; empty for none.
  std::string RowTipText(int row) const;
  bool OnChar(UINT character);
  void MoveCursor(int row);
  // One step of the cursor row, as its step cell would make it.
  void StepCursorRow(LevelOp op);
  int Rows() const;

  RECT pressedRect{};
  // The press under way; its destruction joins a worker still running.
  std::unique_ptr<StepRepeater> repeater;
  GameDatabase* plan = nullptr;
  OwnedImageList imageList;
  int pressedRow = -1;
  int pressedColumn = -1;
  int pressedButton = -1;
  int cursorRow = 0;
  COLORREF unlearntColor = 0;
  COLORREF masterColor = 0;
  COLORREF altRowColor = 0;
  ListRowTip rowTip;
};
