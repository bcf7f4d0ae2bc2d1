// The main window's life: construction, set-up of the controls and the
// routing of its messages. Its commands are in MainWindowCommands.cpp, the
// selection in MainWindowSelection.cpp, the TM total in MainWindowTotal.cpp,
// the character plug-in's side in MainWindowPlugin.cpp.
#include "app/MainWindow.h"

#include <string>
#include <utility>

#include "app/CharacterPlugin.h"
#include "app/PlanCommands.h"
#include "app/PlanFileCommand.h"
#include "app/Theme.h"
#include "app/VersionTitle.h"
#include "res/ControlIds.h"
#include "res/ResourceIds.h"
#include "skilllist/ListMessages.h"

namespace {

constexpr int kTotalFontHeight = 22;
constexpr char kPluginFileName[] = "VexaChar.dll";
// Posted to itself at its first paint: load the plan file named at the start.
constexpr UINT WM_APP_OPEN_START_PLAN = WM_APP + 20;

bool InRange(int id, int first, int count) { return id >= first && id < first + count; }

}  // namespace

MainWindow::MainWindow(HINSTANCE instance, HWND parent)
    : DialogBase(instance, parent, IDD_MAIN_DIALOG) {
  // A missing plug-in is no error: the window works without it.
  ThePlugin().loadLibrary(kPluginFileName);
}

void MainWindow::SetDatabase(GameDatabase* shownDatabase) {
  database = shownDatabase;
  skillList.SetPlan(shownDatabase);
}

LRESULT MainWindow::WindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (totalTip.IsFormatQuery(msg, wParam)) {
    SetWindowLongPtrA(window, DWLP_MSGRESULT, NFR_ANSI);
    return TRUE;
  }
  switch (msg) {
    case WM_MOVE:
      DockPlugin();
      break;
    case WM_NOTIFY:
      if (totalTip.IsTextRequest(lParam)) {
        AnswerTotalTip(lParam);
        return TRUE;
      }
      break;
    case WM_INITDIALOG:
      SetUpControls(window);
      break;
    case WM_COMMAND:
      if ((LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) && !ConfirmClose()) return TRUE;
      OnCommand(wParam, lParam);
      break;
    case WM_SYSCOMMAND:
      if (IsPlanCommand(wParam & 0xFFF0)) {
        RunCommand(wParam & 0xFFF0);
        return TRUE;
      }
      break;
    case WM_INITMENUPOPUP:
      // Also for the system menu: its plan commands are greyed when they cannot act.
      EnablePlanCommandItems(reinterpret_cast<HMENU>(wParam),
                             [this](UINT id) { return CanRunCommand(id); });
      break;
    case WM_CONTEXTMENU:
      if (reinterpret_cast<HWND>(wParam) == skillList.Hwnd()) {
        ShowContextMenu(lParam);
        return TRUE;
      }
      break;
    case WM_CTLCOLORDLG:
      if (reinterpret_cast<HWND>(lParam) == Hwnd())
        return reinterpret_cast<LRESULT>(backgroundBrush.Get());
      break;
    case WM_APP_REFRESH_TOTAL:
      ShowTotal();
      break;
    case WM_PAINT:
      // The dialog manager shows the window only once its queue is idle: a
      // box opened before then would stand alone, with no window behind it.
      if (!startPlan.empty()) PostMessageA(window, WM_APP_OPEN_START_PLAN, 0, 0);
      break;
    case WM_APP_OPEN_START_PLAN:
      OpenStartPlan();
      return TRUE;
    case WM_DROPFILES:
      OnDropFiles(reinterpret_cast<HDROP>(wParam));
      return TRUE;
    case WM_DESTROY:
      totalTip.Destroy();
      break;
  }
  // The total label lets the mouse through to the dialog, which hands it on.
  if (msg >= WM_MOUSEFIRST && msg <= WM_MOUSELAST) totalTip.Relay(window, msg, wParam, lParam);
  return DialogBase::WindowProc(window, msg, wParam, lParam);
}

void MainWindow::SetUpControls(HWND dialog) {
  // The dialog base loads and sets the icons when it handles WM_INITDIALOG next.
  SetIconId(IDI_PROGRAM);
  AppendVersionToTitle(dialog);
  InsertPlanCommandItems(GetSystemMenu(dialog, FALSE), 0, true);
  Style(headerList, IDC_HEADER_LIST);
  Style(skillList, IDC_SKILL_LIST);
  skillList.SetStateColors(palette::kUnlearntColor, palette::kMasterColor, false);
  skillList.SetAltRowColor(palette::kAltRowColor, false);
  for (int i = 0; i < kGroupFrameCount; ++i) {
    Style(groupFrames[i], IDC_TYPE_GROUP + i);
    groupFrames[i].SetFrameColor(palette::kFrameColor, false);
  }
  for (int type = 0; type < kTypeCount; ++type) {
    Style(typeButtons[type], IDC_TYPE_FIRST + type);
    std::string name;
    if (database) database->typeName(type, name);
    SetWindowTextA(typeButtons[type].Hwnd(), name.c_str());
  }
  for (int job = 0; job < kJobButtonCount; ++job) Style(jobButtons[job], IDC_JOB_FIRST + job);
  for (int box = 0; box < kAttributeCount; ++box)
    Style(attributeBoxes[box], IDC_ATTRIBUTE_FIRST + box);
  Style(totalLabel, IDC_TOTAL_LABEL, kTotalFontHeight);
  totalLabel.SetBold(1, false);
  Style(resetButton, IDC_RESET_BUTTON);
  Style(loadButton, IDC_LOAD_BUTTON);
  Style(saveButton, IDC_SAVE_BUTTON);

  Box(AttributeBox::kLight).SetCheck(1);
  Box(AttributeBox::kWater).SetCheck(1);
  // No type is set yet: the job buttons end hidden and disabled, nothing is built.
  UpdateJobButtons();
  UpdateAttributeBoxes();
  RebuildFromSelection();
  RememberSetButtons();
  SyncPlugin();
  StartPlugin();
}

void MainWindow::OnDpiChanged(DpiScale scale) {
  ControlBase* const fixed[] = {&headerList, &skillList,  &resetButton,
                                &loadButton, &saveButton, &totalLabel};
  for (ControlBase* control : fixed) control->SetDpi(scale, true);
  for (ControlBase& control : groupFrames) control.SetDpi(scale, true);
  for (ControlBase& control : typeButtons) control.SetDpi(scale, true);
  for (ControlBase& control : jobButtons) control.SetDpi(scale, true);
  for (ControlBase& control : attributeBoxes) control.SetDpi(scale, true);
  StartTotalTip();
  DockPlugin();
}

void MainWindow::OpenStartPlan() {
  // Once: a second paint may come before the posted open.
  const std::string path = std::move(startPlan);
  startPlan.clear();
  if (database && !path.empty()) PlanFileCommand(*this, *database).Open(path.c_str());
}

void MainWindow::Style(ControlBase& control, int id, int height) {
  ApplyTheme(control, GetDlgItem(Hwnd(), id), height);
}

void MainWindow::OnCommand(WPARAM wParam, LPARAM) {
  // Focus and other notifications of the buttons are not commands.
  if (HIWORD(wParam) != 0) return;
  const int id = LOWORD(wParam);
  if (id == IDOK || id == IDCANCEL) CloseSession();
  // A click on the button already set changes nothing: rebuilding would wipe
  // the levels of a loaded plan whose code the controls cannot compose.
  else if (InRange(id, IDC_TYPE_FIRST, kTypeCount) && id - IDC_TYPE_FIRST != setType)
    OnTypeCommand();
  else if (InRange(id, IDC_JOB_FIRST, kJobButtonCount) && id - IDC_JOB_FIRST != setJob)
    OnJobCommand();
  else if (InRange(id, IDC_ATTRIBUTE_FIRST, kAttributeCount))
    OnAttributeCommand();
  else if (id == IDC_RESET_BUTTON)
    OnReset();
  else if ((id == IDC_LOAD_BUTTON || id == IDC_SAVE_BUTTON) && database)
    PlanFileCommand(*this, *database).Run(id == IDC_SAVE_BUTTON);
  RememberSetButtons();
}
