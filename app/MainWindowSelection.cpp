// The main window's selection: type, job and attribute handlers, the job
// buttons' labels and the attribute boxes' enabling, the rebuild of the plan,
// and the controls following a plan replaced from outside.
#include <string>

#include "app/MainWindow.h"
#include "plan/JobCodeLayout.h"
#include "res/ControlIds.h"

void MainWindow::OnTypeCommand() {
  UpdateJobButtons();
  UpdateAttributeBoxes();
  RebuildFromSelection();
  SyncPlugin();
}

void MainWindow::OnJobCommand() {
  UpdateAttributeBoxes();
  RebuildFromSelection();
  SyncPlugin();
}

// The box has already changed its own state. Setting a box clears the boxes
// it excludes; a box cannot be cleared by clicking it.
void MainWindow::OnAttributeCommand() {
  const std::optional<AttributeBox> box = FocusedAttributeBox();
  bool changed = false;
  bool lightOrDarkChanged = false;
  bool tellPlugin = false;
  LockWindowUpdate(Hwnd());
  if (box && Box(*box).GetCheck()) {
    for (AttributeBox other : kAttributeBoxes) {
      if (Clears(*box, other)) Box(other).SetCheck(0);
    }
    changed = true;
    lightOrDarkChanged = IsLightOrDark(*box);
    tellPlugin = lightOrDarkChanged && JobSlotFollowsDark(SelectedType(), SelectedJob());
  } else if (box) {
    Box(*box).SetCheck(1);
  }
  LockWindowUpdate(nullptr);
  // The dragon's fourth job button names another job.
  if (lightOrDarkChanged) UpdateJobButtons();
  if (changed) RebuildFromSelection();
  if (tellPlugin) SyncPlugin();
}

void MainWindow::UpdateJobButtons() {
  HWND focus = GetFocus();
  const int type = SelectedType();
  const bool dark = Box(AttributeBox::kDark).GetCheck();
  bool anySet = false;
  for (int job = 0; job < kJobButtonCount; ++job) {
    std::string label;
    if (database && type >= 0) database->jobName(type, JobButtonSlot(type, job, dark), label);
    HWND button = jobButtons[job].Hwnd();
    SetWindowTextA(button, label.c_str());
    ShowWindow(button, label.empty() ? SW_HIDE : SW_SHOW);
    EnableWindow(button, type != -1);
    anySet = anySet || jobButtons[job].GetCheck();
  }
  if (type != -1 && !anySet) jobButtons[kBasicJob].SetCheck(1);
  MoveFocusOffUnusable(focus, skillList.Hwnd());
}

void MainWindow::UpdateAttributeBoxes() {
  HWND focus = GetFocus();
  const int type = SelectedType();
  const int job = SelectedJob();
  for (AttributeBox box : kAttributeBoxes)
    EnableWindow(Box(box).Hwnd(), AttributeEnabled(type, job, box));
  MoveFocusOffUnusable(focus, skillList.Hwnd());
}

int MainWindow::ComposeJobCode() const { return JobCodeOf(ReadSelection()); }

void MainWindow::RebuildFromSelection() {
  const int code = ComposeJobCode();
  if (code <= 0 || !database) return;
  // A click on the button that is already set arrives as a click as well;
  // building the same plan again would wipe every level the user set.
  if (static_cast<JobCode>(code) == database->GetJobCode() && database->RowCount() > 0) return;
  BeginPlanChange();
  database->BuildPlan(static_cast<JobCode>(code));
  skillList.RefreshRows();
}

void MainWindow::FollowPlan() {
  if (ApplyJobCode() || (database && database->GetJobCode() == 0)) SyncPlugin();
}

bool MainWindow::ApplyJobCode() {
  const bool fits = ShowPlanCode();
  RememberSetButtons();
  return fits;
}

// Without a plan (at the start, or undone back to it) a click on the button
// still set builds one.
void MainWindow::RememberSetButtons() {
  const bool built = database && database->RowCount() > 0;
  setType = built ? SelectedType() : -1;
  setJob = built ? SelectedJob() : -1;
}

bool MainWindow::ShowPlanCode() {
  skillList.RefreshRows();
  if (!database) return false;
  const JobCode code = database->GetJobCode();
  // The type as the plan was built for it.
  const int type = JobCodeType(code);
  if (type < 0) return false;
  CheckRadioButton(Hwnd(), IDC_TYPE_FIRST, IDC_TYPE_FIRST + kTypeCount - 1, IDC_TYPE_FIRST + type);
  SetAttributesFromCode(code);
  UpdateJobButtons();
  const int job = JobButtonOfCode(code);
  if (job >= 0) jobButtons[job].SetCheck(1);
  // As a click on the buttons that ended up set would enable them.
  UpdateAttributeBoxes();
  return job >= 0;
}

// Boxes whose group of bits is absent from the code keep their states.
void MainWindow::SetAttributesFromCode(JobCode code) {
  for (AttributeBox box : kAttributeBoxes) {
    if (const std::optional<bool> state = ShownBoxState(code, box)) Box(box).SetCheck(*state);
  }
}

Selection MainWindow::ReadSelection() const {
  Selection selection;
  selection.type = SelectedType();
  selection.job = SelectedJob();
  for (int box = 0; box < kAttributeCount; ++box)
    selection.attributes[box] = attributeBoxes[box].GetCheck();
  return selection;
}

PictureSubject MainWindow::ShownSubject() const {
  const Selection selection = ReadSelection();
  PictureSubject subject;
  if (selection.type < 0) return subject;
  subject.type = typeButtons[selection.type].Label();
  if (selection.job >= 0) subject.job = jobButtons[selection.job].Label();
  for (AttributeBox box : kAttributeBoxes) {
    if (selection.attributes[Index(box)] && AttributeEnabled(selection.type, selection.job, box))
      subject.attributes.push_back(attributeBoxes[Index(box)].Label());
  }
  return subject;
}

int MainWindow::SelectedType() const {
  for (int type = 0; type < kTypeCount; ++type) {
    if (typeButtons[type].GetCheck()) return type;
  }
  return -1;
}

int MainWindow::SelectedJob() const {
  for (int job = 0; job < kJobButtonCount; ++job) {
    if (jobButtons[job].GetCheck()) return job;
  }
  return -1;
}

std::optional<AttributeBox> MainWindow::FocusedAttributeBox() const {
  HWND focus = GetFocus();
  for (AttributeBox box : kAttributeBoxes) {
    if (focus && attributeBoxes[Index(box)].Hwnd() == focus) return box;
  }
  return std::nullopt;
}
