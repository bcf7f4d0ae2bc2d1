// The character plug-in's side of the main window: starting it, placing and
// docking its window at the main window's left edge, and telling it the plan.
#include <string>

#include "app/CharacterPlugin.h"
#include "app/MainWindow.h"
#include "plan/JobCodeLayout.h"
#include "plan/Selection.h"

namespace {

int Width(const RECT& rect) { return rect.right - rect.left; }
int Height(const RECT& rect) { return rect.bottom - rect.top; }

}  // namespace

HWND MainWindow::PluginWindow() const {
  return ThePlugin().isLoaded() ? ThePlugin().GetWnd() : nullptr;
}

void MainWindow::StartPlugin() const {
  if (!ThePlugin().isLoaded()) return;
  RECT rect;
  GetWindowRect(Hwnd(), &rect);
  ThePlugin().Initialize(Hwnd());
  const POINT position{rect.left, rect.top};
  ThePlugin().Create(&position, 0);
}

// The pair is centred together: the plug-in's window directly left of the
// main window, tops level.
void MainWindow::OnInitDialog() {
  // Over the label where the dialog base has placed it for the DPI.
  StartTotalTip();
  RECT rect;
  GetWindowRect(Hwnd(), &rect);
  const int x = (GetSystemMetrics(SM_CXSCREEN) - Width(rect)) / 2;
  const int y = (GetSystemMetrics(SM_CYSCREEN) - Height(rect)) / 2;
  HWND plugin = PluginWindow();
  RECT pluginRect{};
  if (plugin) GetWindowRect(plugin, &pluginRect);
  const int half = Width(pluginRect) / 2;
  MoveWindow(Hwnd(), x + half, y, Width(rect), Height(rect), TRUE);
  if (!plugin) return;
  // Placed and shown in one go, and not activated: the main window takes the
  // activation when it shows, so activating the plug-in's window first would
  // only paint its caption twice.
  SetWindowPos(plugin, nullptr, x - half, y, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
}

// WM_MOVE: the plug-in's window follows, but stays put while the main window
// is minimised.
void MainWindow::DockPlugin() const {
  HWND plugin = PluginWindow();
  if (!plugin || !IsWindowVisible(plugin)) return;
  RECT main;
  GetWindowRect(Hwnd(), &main);
  if (main.right < 0 || main.bottom < 0) return;
  RECT pluginRect;
  GetWindowRect(plugin, &pluginRect);
  MoveWindow(plugin, main.left - Width(pluginRect), main.top, Width(pluginRect), Height(pluginRect),
             TRUE);
}

void MainWindow::SyncPlugin() {
  HWND plugin = PluginWindow();
  if (!plugin) return;
  const JobCode code = database ? database->GetJobCode() : 0;
  const int type = JobCodeType(code);
  std::string title;
  if (database && type >= 0) database->typeName(type, title);
  SetWindowTextA(plugin, title.c_str());
  ThePlugin().SetChar(type, 0);
  ThePlugin().SetRank(PluginJobSlot(code), 1);
}

void MainWindow::CloseSession() const {
  if (!ThePlugin().isLoaded()) return;
  ThePlugin().Delete();
  ThePlugin().Terminate();
}
