// The plug-in holder on each built variant of VexaChar.dll, and the plug-in's window.
#include <gtest/gtest.h>

#include "TestSupport.h"
#include "app/CharacterPlugin.h"

namespace {

// A hidden top-level window to stand in for the main window.
struct OwnerWindow {
  OwnerWindow()
      : handle(CreateWindowExA(0, "STATIC", "owner", WS_OVERLAPPED, 0, 0, 100, 100, nullptr,
                               nullptr, nullptr, nullptr)) {}
  ~OwnerWindow() {
    if (IsWindow(handle)) DestroyWindow(handle);
  }
  const HWND handle;
};

// Makes every call the program may make, then Create without a point; the
// answers in call order, GetWnd's as W (a window) or 0.
std::string CallEverything(const CharacterPlugin& plugin, HWND owner) {
  const POINT position = {30, 40};
  char answers[64];
  const int initialize = plugin.Initialize(owner), create = plugin.Create(&position, 0);
  const HWND wnd = plugin.GetWnd();
  const int setChar = plugin.SetChar(5, 0), getChar = plugin.GetChar();
  const int setRank = plugin.SetRank(3, 1), getRank = plugin.GetRank();
  const int del = plugin.Delete(), terminate = plugin.Terminate();
  std::snprintf(answers, sizeof answers, "%d %d %s %d %d %d %d %d %d %d", initialize, create,
                wnd ? "W" : "0", setChar, getChar, setRank, getRank, del, terminate,
                plugin.Create(nullptr, 7));
  return answers;
}

}  // namespace

// Each variant, as a private copy: what the calls answer and what reaches the library.
TEST(CharacterPluginTest, EveryVariantAnswersThroughTheEntryPointsItHas) {
  const struct {
    const char* path;
    const char* answers;
    std::string log;  // between Initialize and Delete; the quiet variant logs nothing
  } variants[] = {
      {PELL_VEXACHAR, "1 1 W 1 5 1 3 1 1 0", ""},
      {PELL_VEXACHAR_RECORDING, "1 1 W 1 5 1 3 1 1 0",
       "Create(30, 40, 0) GetWnd() SetChar(5, 0) GetChar() SetRank(3, 1) GetRank()"},
      {PELL_VEXACHAR_NO_GETWND, "1 1 0 1 5 1 3 1 1 0",
       "Create(30, 40, 0) SetChar(5, 0) GetChar() SetRank(3, 1) GetRank()"},
      {PELL_VEXACHAR_NO_CHARACTER, "1 1 W 0 0 0 0 1 1 0", "Create(30, 40, 0) GetWnd()"},
  };
  for (const auto& variant : variants) {
    SCOPED_TRACE(variant.path);
    AppScratchFolder folder;
    OwnerWindow owner;
    CharacterPlugin plugin;
    const std::string copy = folder.AddPlugin(VariantPath(variant.path));
    ASSERT_TRUE(plugin.loadLibrary(copy));
    EXPECT_TRUE(plugin.isLoaded());
    EXPECT_EQ(copy, plugin.loadedFileName());
    EXPECT_EQ(variant.answers, CallEverything(plugin, owner.handle));
    // Freed, the library is gone and every call answers 0.
    EXPECT_EQ(TRUE, plugin.freeLibrary());
    EXPECT_FALSE(plugin.isLoaded());
    EXPECT_EQ(nullptr, GetModuleHandleA(copy.c_str()));
    EXPECT_EQ("0 0 0 0 0 0 0 0 0 0", CallEverything(plugin, nullptr));
    std::string log;
    for (const std::string& line : folder.ReadLines("VexaChar.log"))
      log += (log.empty() ? "" : " ") + line.substr(line.find('_') + 1);  // after "VexaChar_"
    EXPECT_EQ(variant.log.empty() ? ""
                                  : "Initialize(" + LoggedHandle(owner.handle) + ") " +
                                        variant.log + " Delete() Terminate() Create(null, 7)",
              log);
  }
}

// A VexaChar.dll planted in the current directory is not loaded; one beside the program is.
TEST(CharacterPluginTest, SearchesBesideTheProgramButNotTheCurrentDirectory) {
  AppScratchFolder folder;
  folder.AddPlugin(VariantPath(PELL_VEXACHAR));
  char previous[MAX_PATH] = {};
  GetCurrentDirectoryA(MAX_PATH, previous);
  ASSERT_TRUE(SetCurrentDirectoryA(folder.Folder().c_str()));
  SetDllDirectoryA(nullptr);
  HMODULE planted = LoadLibraryA("VexaChar.dll");  // the ordinary search order finds it
  EXPECT_NE(nullptr, planted);
  if (planted) FreeLibrary(planted);
  CharacterPlugin plugin;
  EXPECT_FALSE(plugin.loadLibrary("VexaChar.dll"));

  const std::string besideProgram = ProgramFolder() + "VexaChar.dll";
  ASSERT_TRUE(CopyFileA(VariantPath(PELL_VEXACHAR).c_str(), besideProgram.c_str(), FALSE));
  EXPECT_TRUE(plugin.loadLibrary("VexaChar.dll"));
  EXPECT_EQ("VexaChar.dll", plugin.loadedFileName());
  char loaded[MAX_PATH] = {};
  GetModuleFileNameA(GetModuleHandleA("VexaChar.dll"), loaded, MAX_PATH);
  EXPECT_STRCASEEQ(besideProgram.c_str(), loaded);
  // Replaced by a library that is not found, the loaded one is let go.
  EXPECT_FALSE(plugin.loadLibrary(ProgramFolder() + "NoSuchPlugin.dll"));
  EXPECT_FALSE(plugin.isLoaded());
  EXPECT_EQ("", plugin.loadedFileName());
  EXPECT_EQ(nullptr, GetModuleHandleA("VexaChar.dll"));
  DeleteFileA(besideProgram.c_str());
  SetCurrentDirectoryA(previous);
}

// How many text pixels the client area shows on screen.
int ShownText(HWND window) {
  InvalidateRect(window, nullptr, TRUE);
  UpdateWindow(window);
  PumpMessages();
  return Canvas(window).Count(RGB(0, 0, 128));
}

// The quiet plug-in's own window: a hidden top-level tool window at the
// point, one at a time, showing the told type in the program's colours, gone
// with Delete or with its owner; then a new one can be made.
TEST(PluginWindowTest, OneToolWindowShowsTheToldTypeAndEndsWithDeleteOrItsOwner) {
  CharacterPlugin plugin;
  ASSERT_TRUE(plugin.loadLibrary(VariantPath(PELL_VEXACHAR)));
  for (bool byOwner : {true, false}) {
    OwnerWindow owner;
    plugin.Initialize(owner.handle);
    EXPECT_EQ(nullptr, plugin.GetWnd());
    const POINT at = {120, 90}, elsewhere = {0, 0};
    EXPECT_EQ(1, plugin.Create(&at, 0));
    HWND window = plugin.GetWnd();
    ASSERT_NE(nullptr, window);
    EXPECT_FALSE(IsWindowVisible(window));
    EXPECT_EQ(GetDesktopWindow(), GetAncestor(window, GA_PARENT));
    EXPECT_EQ(WS_CAPTION, GetWindowLongA(window, GWL_STYLE) & (WS_CAPTION | WS_CHILD));
    EXPECT_NE(0, GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
    RECT frame;
    GetWindowRect(window, &frame);
    EXPECT_EQ(120, frame.left);
    EXPECT_EQ(90, frame.top);
    EXPECT_EQ(0, plugin.Create(&elsewhere, 0));
    EXPECT_EQ(window, plugin.GetWnd());
    if (byOwner) {
      DestroyWindow(owner.handle);
      EXPECT_EQ(0, plugin.Delete());
    } else {
      ShowWindow(window, SW_SHOW);
      plugin.SetChar(3, 0);
      plugin.SetRank(4, 1);
      // Drawn in the program's colours; another type shows as something else.
      const int first = ShownText(window);
      EXPECT_EQ(RGB(192, 224, 255), Canvas(window).Pixel(0, 0));
      EXPECT_GT(first, 10);
      plugin.SetChar(6, 0);
      EXPECT_NE(first, ShownText(window));
      plugin.SetChar(3, 0);
      EXPECT_EQ(first, ShownText(window));
      EXPECT_EQ(1, plugin.Delete());
    }
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(nullptr, plugin.GetWnd());
    plugin.Terminate();
  }
}
