#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "app/PictureText.h"
#include "skilllist/LearntRows.h"

class GameDatabase;
class MainWindow;
class PlanPicture;
class SkillListView;

// The picture commands: the plan drawn as the skill list shows it, put on
// the clipboard as PNG and DIB, or saved as a PNG file through the save
// dialog. A plan of more learnt rows than a picture takes is refused in a
// message box: nothing is put or written.
class PlanPictureCommand {
 public:
  // folder: where the last picture was saved, empty before the first; the
  // window keeps it from one command to the next.
  PlanPictureCommand(MainWindow& window, GameDatabase& plan, const SkillListView& list,
                     std::string& folder);

  static bool Handles(UINT id);
  // Both need a plan with rows.
  static bool CanRun(const GameDatabase& plan);
  // Does nothing for a command that cannot run now.
  void Run(UINT id, const PictureSubject& subject);

 private:
  void Copy(const std::vector<LearntRow>& rows, const PictureSubject& subject) const;
  // A failed write leaves a file already there whole and is reported.
  void Save(const std::vector<LearntRow>& rows, const PictureSubject& subject);
  // False, after the box that says so, when the pixels cannot be had.
  bool Draw(const std::vector<LearntRow>& rows, const PictureSubject& subject,
            PlanPicture& picture) const;

  MainWindow& window;
  GameDatabase& plan;
  const SkillListView& list;
  std::string& folder;
};
