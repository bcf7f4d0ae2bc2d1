// The plug-in holder on each built variant of VexaChar.dll, and the plug-in's window.
#include <gtest/gtest.h>

#include <JapaneseText.h>

#include <cstring>
#include <memory>

#include "TestSupport.h"
#include "app/CharacterPlugin.h"

namespace {

// The rank shows in the colour of the program's group frames.
constexpr COLORREF kFrameColor = palette::kFrameColor;  // the plug-in wears the program's colours

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

// Makes every call the program may make, then Create without a point; the answers in call order,
// GetWnd's as W (a window) or 0.
std::string CallEverything(const CharacterPlugin& plugin, HWND owner) {
  const POINT position = {30, 40};
  char answers[64];
  const int initialize = plugin.Initialize(owner), create = plugin.Create(&position, 0);
  const HWND wnd = plugin.GetWnd();
  const int setChar = plugin.SetChar(5, 0), setRank = plugin.SetRank(3, 1);
  const int del = plugin.Delete(), terminate = plugin.Terminate();
  std::snprintf(answers, sizeof answers, "%d %d %s %d %d %d %d %d", initialize, create,
                wnd ? "W" : "0", setChar, setRank, del, terminate, plugin.Create(nullptr, 7));
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
      {PELL_VEXACHAR, "1 1 W 1 1 1 1 0", ""},
      {PELL_VEXACHAR_RECORDING, "1 1 W 1 1 1 1 0",
       "Create(30, 40, 0) GetWnd() SetChar(5, 0) SetRank(3, 1)"},
      {PELL_VEXACHAR_NO_GETWND, "1 1 0 1 1 1 1 0", "Create(30, 40, 0) SetChar(5, 0) SetRank(3, 1)"},
      {PELL_VEXACHAR_NO_CHARACTER, "1 1 W 0 0 1 1 0", "Create(30, 40, 0) GetWnd()"},
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
    EXPECT_EQ("0 0 0 0 0 0 0 0", CallEverything(plugin, nullptr));
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

  const std::string besideProgram = TestProgramFolder() + "VexaChar.dll";
  ASSERT_TRUE(CopyFileA(VariantPath(PELL_VEXACHAR).c_str(), besideProgram.c_str(), FALSE));
  EXPECT_TRUE(plugin.loadLibrary("VexaChar.dll"));
  EXPECT_EQ("VexaChar.dll", plugin.loadedFileName());
  char loaded[MAX_PATH] = {};
  GetModuleFileNameA(GetModuleHandleA("VexaChar.dll"), loaded, MAX_PATH);
  EXPECT_STRCASEEQ(besideProgram.c_str(), loaded);
  // Replaced by a library that is not found, the loaded one is let go.
  EXPECT_FALSE(plugin.loadLibrary(TestProgramFolder() + "NoSuchPlugin.dll"));
  EXPECT_FALSE(plugin.isLoaded());
  EXPECT_EQ("", plugin.loadedFileName());
  EXPECT_EQ(nullptr, GetModuleHandleA("VexaChar.dll"));
  DeleteFileA(besideProgram.c_str());
  SetCurrentDirectoryA(previous);
}

// The client area as shown on screen, once it and its children are painted.
std::unique_ptr<Canvas> Shown(HWND window) {
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  PumpMessages();
  return std::make_unique<Canvas>(window);
}

std::vector<std::string> ChildTexts(HWND window) {
  std::vector<std::string> texts;
  for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
    texts.push_back(TextOf(child));
  return texts;
}

HWND Child(HWND window, int index) {
  HWND child = GetWindow(window, GW_CHILD);
  for (int k = 0; k < index; ++k) child = GetWindow(child, GW_HWNDNEXT);
  return child;
}

// A child's place in its parent's client area.
RECT ChildArea(HWND window, int index) {
  RECT area = WindowRect(Child(window, index));
  MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&area), 2);
  return area;
}

LOGFONTA FontOf(HWND window) {
  LOGFONTA font{};
  GetObjectA(reinterpret_cast<HFONT>(SendMessageA(window, WM_GETFONT, 0, 0)), sizeof font, &font);
  return font;
}

// The rank part of a data file job key, after the type glyph and its colon.
std::string RankOf(const char* jobKey) {
  if (!jobKey) return "";
  const std::string key(jobKey);
  return key.substr(key.find(kDataFullWidthColon) + std::strlen(kDataFullWidthColon));
}

// The quiet plug-in's own window: a hidden top-level tool window at the point, one at a time, gone
// with Delete or with its owner; then a new one can be made. It shows nothing but the program's
// back colour until told a type; then its title (the program's name for the type) large, the rank
// as the data file names it and the type's emblem beside them.
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
    const RECT frame = WindowRect(window);
    EXPECT_EQ(std::make_pair(120L, 90L), std::make_pair(frame.left, frame.top));
    EXPECT_EQ(0, plugin.Create(&elsewhere, 0));
    EXPECT_EQ(window, plugin.GetWnd());
    if (byOwner) {
      DestroyWindow(owner.handle);
      EXPECT_EQ(0, plugin.Delete());
    } else {
      ShowWindow(window, SW_SHOW);
      using Texts = std::vector<std::string>;
      const auto blank = [](const Canvas& shot, RECT area) {
        const RECT other = shot.Bounds(kBackColor, false, area);
        return IsRectEmpty(&other) != FALSE;
      };
      const auto showsNothing = [&] {
        for (const std::string& text : ChildTexts(window))
          if (!text.empty()) return false;
        return blank(*Shown(window), {});
      };
      // The emblem stands left of the texts.
      const auto emblemArea = [&] {
        RECT area;
        GetClientRect(window, &area);
        area.right = ChildArea(window, 0).left;
        return area;
      };
      EXPECT_TRUE(showsNothing());
      // Told as the program tells it: the title first, then type and slot.
      const struct {
        int type, slot;
        const char *title, *jobKey;
      } cases[] = {{3, 4, kTypeGlyphDragon, kDataJobKeyDragonRank2S2},
                   {3, 3, kTypeGlyphDragon, kDataJobKeyDragonRank2S1},
                   {0, 0, kTypeGlyphBunny, kDataJobKeyBunnyBasic},
                   {1, 1, kTypeGlyphBuffalo, kDataJobKeyBuffaloRank1},
                   {2, 2, kTypeGlyphSheep, kDataJobKeySheepRank2H},
                   {4, 3, kTypeGlyphFox, kDataJobKeyFoxRank2S},
                   {5, 2, kTypeGlyphLion, kDataJobKeyLionRank2H},
                   {6, 4, kTypeGlyphCat, nullptr},  // only the dragon has a slot 4
                   {7, 3, kTypeGlyphRaccoon, kDataJobKeyRaccoonRank2S}};
      std::unique_ptr<Canvas> emblems[8];
      for (const auto& told : cases) {
        SCOPED_TRACE(told.type * 10 + told.slot);
        SetWindowTextA(window, told.title);
        plugin.SetChar(told.type, 0);
        plugin.SetRank(told.slot, 1);
        EXPECT_EQ((Texts{told.title, RankOf(told.jobKey)}), ChildTexts(window));
        const RECT name = ChildArea(window, 0), rank = ChildArea(window, 1), emblem = emblemArea();
        emblems[told.type] = Shown(window);
        const Canvas& shot = *emblems[told.type];
        EXPECT_EQ(kBackColor, shot.Pixel(0, 0));
        EXPECT_GT(shot.Count(kTextColor, name), 20);
        EXPECT_EQ(told.jobKey != nullptr, shot.Count(kFrameColor, rank) > 5);
        EXPECT_FALSE(blank(shot, emblem));
      }
      const RECT emblem = emblemArea();
      for (int a = 0; a < 8; ++a)
        for (int b = a + 1; b < 8; ++b) EXPECT_GT(emblems[a]->Differences(*emblems[b], emblem), 50);
      // The name is large, the rank in the program's font.
      const LOGFONTA nameFont = FontOf(Child(window, 0)), rankFont = FontOf(Child(window, 1));
      EXPECT_STREQ("MS UI Gothic", rankFont.lfFaceName);
      EXPECT_EQ(-12, rankFont.lfHeight);
      EXPECT_GE(-nameFont.lfHeight, -2 * rankFont.lfHeight);
      // A new title shows at once; no type (the program's empty plan) shows nothing.
      SetWindowTextA(window, kTypeGlyphFox);
      EXPECT_EQ(kTypeGlyphFox, ChildTexts(window).front());
      plugin.SetChar(-1, 0);
      EXPECT_TRUE(showsNothing());
      EXPECT_EQ(1, plugin.Delete());
    }
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(nullptr, plugin.GetWnd());
    plugin.Terminate();
  }
}
