#pragma once

#include <windows.h>

#include <shellapi.h>

#include <optional>
#include <string>

#include "app/PictureText.h"
#include "app/Theme.h"
#include "plan/GameDatabase.h"
#include "plan/Selection.h"
#include "skilllist/HeaderListView.h"
#include "skilllist/SkillListView.h"
#include "ui/DialogBase.h"
#include "ui/DiamondCheckBox.h"
#include "ui/GdiObject.h"
#include "ui/GroupBox.h"
#include "ui/PushButton.h"
#include "ui/RingRadioButton.h"
#include "ui/StaticText.h"
#include "ui/ToolTip.h"

// The program's one window: the dialog on template 101 with the type, job
// and attribute selection, the skill list and the point total. The controls'
// check states are the selection; the plan holds what was last built from it.
// Constructing it loads the character plug-in library.
class MainWindow : public DialogBase {
 public:
  static constexpr int kGroupFrameCount = 5;

  MainWindow(HINSTANCE instance, HWND parent);

  // The database whose tables label the controls and whose plan is shown; not
  // owned. Call before the dialog runs.
  void SetDatabase(GameDatabase* shownDatabase);

  LRESULT WindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) override;
  // Centres the main window and the plug-in's window together.
  void OnInitDialog() override;
  // Every control at the new DPI, the plug-in's window docked again.
  void OnDpiChanged(DpiScale scale) override;

  // After the plan was replaced from outside (a loaded plan file): refreshes
  // the list and the total and sets the type, job and attribute controls from
  // the plan's code, as far as they fit. True when both a type and a job
  // button fit; the plan is not rebuilt and the plug-in not told.
  bool ApplyJobCode();
  // Tells the plug-in the plan's type and job slot and titles its window.
  void SyncPlugin();
  // After the plan was replaced from outside (a load, an undo): the controls
  // as far as they fit, then the plug-in told when they do, or when the plan
  // is the empty one of the start.
  void FollowPlan();
  // Ctrl with a key, in whichever control: the plan commands and the buttons.
  UINT ShortcutCommand(const MSG& message) const override;
  void OnShortcutCommand(UINT command) override { RunCommand(command); }
  // A plan file to load once the window has painted, as the open dialog
  // would load it (one named on the command line); empty for none. Call
  // before Run.
  void OpenAtStart(const std::string& path) { startPlan = path; }

  // Every command that changes the plan calls this first: it ends a held
  // step cell's press, so no auto-repeat worker steps a row of a plan being
  // replaced, or while a dialog is up.
  void BeginPlanChange() { skillList.EndPress(); }

 private:
  // WM_INITDIALOG, before the dialog base handles it.
  void SetUpControls(HWND dialog);
  // The plan file named at the start, after the window's first paint.
  void OpenStartPlan();
  void Style(ControlBase& control, int id, int height = kThemeFontHeight);
  void OnCommand(WPARAM wParam, LPARAM lParam);
  void OnTypeCommand();
  void OnJobCommand();
  void OnAttributeCommand();
  void OnReset();
  void CloseSession() const;
  // Enter, Esc, the close box: a modified plan is first offered for saving.
  // True when the program may end.
  bool ConfirmClose();

  // A plan command, or a button's command, from a key or a menu.
  void RunCommand(UINT id);
  bool CanRunCommand(UINT id) const;
  void OnUndoRedo(bool redo);
  // The overview of the plan and the About box, modal over the main window.
  void ShowOverview();
  void ShowAbout();
  // The tip of the TM total: the overview's required level and counts, over
  // the label where it stands; made again at a new DPI.
  void StartTotalTip();
  void AnswerTotalTip(LPARAM request);
  // The skill list's context menu, at a screen point or (-1) at its cursor row.
  void ShowContextMenu(LPARAM position);
  // Files dropped on the window: the first is loaded as a plan file.
  void OnDropFiles(HDROP drop);

  void UpdateJobButtons();
  void UpdateAttributeBoxes();
  int ComposeJobCode() const;
  void RebuildFromSelection();
  // A radio button sets itself before its command arrives; what was set
  // after the last handled command tells a click on the set button.
  void RememberSetButtons();
  bool ShowPlanCode();

  Selection ReadSelection() const;
  // The set type, job and attributes that count, as the controls show them.
  PictureSubject ShownSubject() const;
  int SelectedType() const;
  int SelectedJob() const;
  // The attribute box that has the keyboard focus, if any.
  std::optional<AttributeBox> FocusedAttributeBox() const;
  DiamondCheckBox& Box(AttributeBox box) { return attributeBoxes[Index(box)]; }
  void SetAttributesFromCode(JobCode code);

  // Placement of the plug-in's window at the main window's left edge.
  void StartPlugin() const;
  void DockPlugin() const;
  HWND PluginWindow() const;

  void ShowTotal() const;

  OwnedBrush backgroundBrush{CreateSolidBrush(kThemeBackColor)};
  GameDatabase* database = nullptr;
  HeaderListView headerList;
  SkillListView skillList;
  PushButton resetButton;
  PushButton loadButton;
  PushButton saveButton;
  RingRadioButton typeButtons[kTypeCount];  // by character type
  RingRadioButton jobButtons[kJobButtonCount];
  DiamondCheckBox attributeBoxes[kAttributeCount];
  GroupBox groupFrames[kGroupFrameCount];
  StaticText totalLabel;
  ToolTip totalTip;
  std::string totalTipText;
  bool confirmingClose = false;
  int setType = -1;
  int setJob = -1;
  std::string startPlan;
  // Where the last picture was saved; empty before the first.
  std::string pictureFolder;
};
