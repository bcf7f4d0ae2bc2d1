#include "app/PlanFileCommand.h"

#include <windows.h>

#include <commdlg.h>
#include <direct.h>

#include <JapaneseText.h>

#include "app/ErrorBox.h"
#include "app/FileDialog.h"
#include "app/MainWindow.h"
#include "app/OperatingSystem.h"
#include "plan/GameDatabase.h"

namespace {

constexpr char kPlanFolderName[] = "save";
constexpr char kFilter[] = "Vexa save files (*.vx3)\0*.vx3\0All files(*.*)\0*.*\0";
constexpr char kDefaultExtension[] = "vx3";
constexpr DWORD kDialogFlags =
    OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST;

}  // namespace

std::string PlanFolderBeside(const std::string& programPath) {
  const std::string::size_type slash = programPath.rfind('\\');
  if (slash == std::string::npos) return programPath;
  return programPath.substr(0, slash + 1) + kPlanFolderName;
}

std::string MakePlanFolder() {
  const std::string folder = PlanFolderBeside(ProgramPath());
  _mkdir(folder.c_str());
  return folder;
}

PlanFileCommand::PlanFileCommand(MainWindow& window, GameDatabase& plan)
    : window(window), plan(plan) {}

bool PlanFileCommand::Run(bool save) {
  if (save && plan.GetJobCode() == 0) return false;
  std::string path;
  if (!AskPath(save, save ? kPlanFileSaveTitle : kPlanFileOpenTitle, path)) return false;
  return save ? Save(path.c_str()) : Load(path.c_str());
}

bool PlanFileCommand::Open(const char* path) {
  window.BeginPlanChange();
  return Load(path);
}

bool PlanFileCommand::AskOpenPath(const char* title, std::string& path) {
  return AskPath(false, title, path);
}

bool PlanFileCommand::AskPath(bool save, const char* title, std::string& path) {
  const std::string folder = MakePlanFolder();
  // Before the dialog, which takes the mouse: no worker steps the plan while
  // the user chooses or while it is loaded.
  window.BeginPlanChange();
  const FileDialogKind kind{kFilter, title, kDialogFlags, kDefaultExtension};
  path.clear();
  return AskFilePath(window.Hwnd(), save, kind, folder, path);
}

// The save writes beside the file and replaces it only when complete, so a
// failure leaves an existing file as it was; the user must still learn of it.
bool PlanFileCommand::Save(const char* path) const {
  if (plan.SavePlan(path)) return true;
  ShowErrorBox(window.Hwnd(), kPlanFileSaveError);
  return false;
}

// A load that fails while reading leaves the plan untouched; one that fails
// on a record has rebuilt the plan already, and the window must show that.
bool PlanFileCommand::Load(const char* path) {
  bool rebuilt = false;
  if (plan.LoadPlan(path, rebuilt)) {
    window.FollowPlan();
    return true;
  }
  ShowErrorBox(window.Hwnd(), kPlanFileLoadError);
  if (rebuilt) window.FollowPlan();
  return false;
}
