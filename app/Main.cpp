// The program's entry: read the game data, then run the main window.
#include <windows.h>

#include <commctrl.h>

#include <JapaneseText.h>

#include "app/CommandLine.h"
#include "app/DpiAwareness.h"
#include "app/ErrorBox.h"
#include "app/MainWindow.h"
#include "app/OperatingSystem.h"
#include "plan/GameDatabase.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR arguments, int) {
  // Before the first window, whose scale it decides.
  DeclareDpiAwareness();
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_LISTVIEW_CLASSES | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);
  // Destroyed in reverse: the database before the window that points to it.
  MainWindow window(instance, nullptr);
  GameDatabase database;
  // Opened from the shell, the working directory is the plan's folder.
  if (database.load(ProgramFolder())) {
    window.SetDatabase(&database);
    // Further arguments are ignored.
    window.OpenAtStart(FirstArgument(arguments));
    window.Run(true, true);
  } else {
    ShowErrorBox(nullptr, kStartupDataFileError);
  }
  return 0;
}
