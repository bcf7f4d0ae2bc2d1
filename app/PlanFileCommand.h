#pragma once

#include <string>

class GameDatabase;
class MainWindow;

// The load and save buttons: the common file dialogs over the plan folder
// beside the program, the plan written or read, and the main window brought
// in line with a loaded plan.
class PlanFileCommand {
 public:
  PlanFileCommand(MainWindow& window, GameDatabase& plan);

  // Saving before any plan was built shows no dialog. A cancelled dialog
  // changes nothing; a failed load or save is reported in a message box.
  // True when the plan was saved or loaded.
  bool Run(bool save);
  // Loads the plan file at the path as the open dialog's choice would be
  // (a plan named on the command line, a dropped file).
  bool Open(const char* path);
  // The open dialog as the load button shows it, under another title, for a
  // plan file read for another use (a comparison); false when cancelled.
  bool AskOpenPath(const char* title, std::string& path);

 private:
  // Shows the dialog over the plan folder, which it makes first; false when
  // the user cancelled it.
  bool AskPath(bool save, const char* title, std::string& path);
  bool Save(const char* path) const;
  bool Load(const char* path);

  MainWindow& window;
  GameDatabase& plan;
};

// The folder "save" beside the program file: everything after the path's last
// backslash replaced. A path without a backslash is answered as it is.
std::string PlanFolderBeside(const std::string& programPath);

// The plan folder beside the running program, made when it is missing (a
// failure is left to the dialog, which copes with a missing folder).
std::string MakePlanFolder();
