#include "app/PlanPictureCommand.h"

#include <commdlg.h>

#include <JapaneseText.h>

#include "app/ErrorBox.h"
#include "app/FileDialog.h"
#include "app/MainWindow.h"
#include "app/PlanCommands.h"
#include "app/PlanFileCommand.h"
#include "app/PngEncoder.h"
#include "app/VersionTitle.h"
#include "plan/GameDatabase.h"
#include "plan/MoveFileOver.h"
#include "skilllist/PlanPicture.h"
#include "ui/Clipboard.h"

namespace {

constexpr auto kFilter = JoinedText(kPictureFilterName, "\0*.png\0");
constexpr FileDialogKind kSaveDialog{kFilter.data(), kPictureSaveTitle,
                                     OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY | OFN_PATHMUSTEXIST,
                                     "png"};

bool Encode(const PlanPicture& picture, std::string& png) {
  return EncodePng(picture.Header().biWidth, picture.Header().biHeight, picture.Stride(),
                   picture.Bits(), png);
}

}  // namespace

PlanPictureCommand::PlanPictureCommand(MainWindow& window, GameDatabase& plan,
                                       const SkillListView& list, std::string& folder)
    : window(window), plan(plan), list(list), folder(folder) {}

bool PlanPictureCommand::Handles(UINT id) {
  return id == kCommandCopyPicture || id == kCommandSavePicture;
}

bool PlanPictureCommand::CanRun(const GameDatabase& plan) { return plan.RowCount() > 0; }

void PlanPictureCommand::Run(UINT id, const PictureSubject& subject) {
  if (!Handles(id) || !CanRun(plan)) return;
  // A box or the dialog comes next and takes the mouse: a held press ends first.
  window.BeginPlanChange();
  const std::vector<LearntRow> rows = LearntRows(plan);
  if (rows.size() > PlanPicture::kRowLimit) {
    ShowErrorBox(window.Hwnd(), kPictureTooLarge);
    return;
  }
  if (id == kCommandCopyPicture)
    Copy(rows, subject);
  else
    Save(rows, subject);
}

void PlanPictureCommand::Copy(const std::vector<LearntRow>& rows,
                              const PictureSubject& subject) const {
  PlanPicture picture;
  if (!Draw(rows, subject, picture)) return;
  // Without an encoder the DIB still serves most programs.
  std::string png;
  Encode(picture, png);
  clipboard::PutPicture(window.Hwnd(), png, picture.Header(), picture.Bits(), picture.BitsSize());
}

void PlanPictureCommand::Save(const std::vector<LearntRow>& rows, const PictureSubject& subject) {
  std::string chosen = PictureFileName(subject);
  if (!AskFilePath(window.Hwnd(), true, kSaveDialog, folder.empty() ? MakePlanFolder() : folder,
                   chosen))
    return;
  folder = chosen.substr(0, chosen.rfind('\\'));
  PlanPicture picture;
  if (!Draw(rows, subject, picture)) return;
  std::string png;
  if (!Encode(picture, png) || !ReplaceFileBytes(chosen, png))
    ShowErrorBox(window.Hwnd(), kPictureSaveError);
}

bool PlanPictureCommand::Draw(const std::vector<LearntRow>& rows, const PictureSubject& subject,
                              PlanPicture& picture) const {
  const PlanPictureCaptions captions{PictureTitle(subject), PictureFigures(plan.Overview()),
                                     ComposeVersionTitle(kMainDialogCaption, ProgramFileVersion())};
  if (picture.Draw(rows, list, captions)) return true;
  ShowErrorBox(window.Hwnd(), kPictureTooLarge);
  return false;
}
