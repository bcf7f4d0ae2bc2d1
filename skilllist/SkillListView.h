#pragma once

#include "skilllist/HeaderListView.h"

class GameDatabase;

// The skill list: one row per skill of the plan, asked for cell by cell, with
// four step-button cells at the end of each row. Custom drawing gives the row
// and state colours; its answers go into the parent dialog's DWLP_MSGRESULT.
class SkillListView : public HeaderListView {
 public:
  SkillListView() = default;
  ~SkillListView() override;

  LRESULT WindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) override;
  // Back colour COLOR_BTNFACE; text, unlearnt and master colours COLOR_WINDOWTEXT.
  void ResetColors(bool redraw) override;
  // Cell texts from the plan, and the step images.
  LRESULT OnGetDispInfo(NMLVDISPINFOA& request) override;

  // Press handling on the step cells. A press that returns true is kept from
  // the list control.
  virtual bool OnButtonDown(HWND window, WPARAM keys, int x, int y);
  virtual bool OnButtonUp(HWND window, WPARAM keys, int x, int y);
  virtual void OnMouseMove(HWND window, WPARAM keys, int x, int y);
  // Returns 1 with the answer in the parent's DWLP_MSGRESULT, or 0 for a
  // draw stage that is not handled.
  virtual LRESULT OnCustomDraw(NMLVCUSTOMDRAW& draw);

  // The plan whose rows are shown; not owned. Nothing is redrawn.
  void SetPlan(GameDatabase* shownPlan) { plan = shownPlan; }
  // Takes the plan's row count, repaints and has the parent show the total again.
  void RefreshRows();
  void SetStateColors(COLORREF unlearnt, COLORREF master, bool redraw);
  // Background of the even rows.
  void SetAltRowColor(COLORREF color, bool redraw);

 protected:
  // The image list, then columns 0 to 11.
  void SetUpColumns() override;

  // Shows the pressed image in one step cell (column 8 to 11) of a row.
  void PressCell(int row, int column);
  // Shows the pressed cell's normal image again.
  void ReleaseCell();
  void RedrawRow(int row) const;

 private:
  void ColorCell(NMLVCUSTOMDRAW& draw) const;
  // The row's level; 0 for a row that cannot be copied.
  int RowLevel(int row, bool& mastered) const;
  void ReleaseImageList();

  RECT pressedRect{};
  GameDatabase* plan = nullptr;
  HIMAGELIST imageList = nullptr;
  int pressedRow = -1;
  int pressedColumn = -1;
  int pressedButton = -1;
  COLORREF unlearntColor = 0;
  COLORREF masterColor = 0;
  COLORREF altRowColor = 0;
};
