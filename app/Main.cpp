// The program's entry: read the game data, then run the main window.
#include <windows.h>

#include <commctrl.h>

#include <JapaneseText.h>

#include "app/ErrorCaption.h"
#include "app/MainWindow.h"
#include "plan/GameDatabase.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_LISTVIEW_CLASSES | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);
  // Destroyed in reverse: the database before the window that points to it.
  MainWindow window(instance, nullptr);
  GameDatabase database;
  if (database.load()) {
    window.SetDatabase(&database);
    window.Run(true, true);
  } else {
    MessageBoxA(nullptr, kStartupDataFileError, kErrorCaption, MB_ICONERROR | MB_OK);
  }
  return 0;
}
