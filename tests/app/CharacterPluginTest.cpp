#include <gtest/gtest.h>

#include <cstdio>

#include "PluginTestSupport.h"
#include "app/CharacterPlugin.h"

namespace {

std::string HandleText(HWND window) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%08X", static_cast<unsigned>(reinterpret_cast<UINT_PTR>(window)));
  return text;
}

// Every call the program may make, with one answer per call in this order.
struct CallAnswers {
  int initialize, create;
  HWND wnd;
  int setChar, getChar, setRank, getRank, del, terminate;
};

CallAnswers CallEverything(const CharacterPlugin& plugin, HWND owner) {
  CallAnswers answers = {};
  answers.initialize = plugin.Initialize(owner);
  const POINT position = {30, 40};
  answers.create = plugin.Create(&position, 0);
  answers.wnd = plugin.GetWnd();
  answers.setChar = plugin.SetChar(5, 0);
  answers.getChar = plugin.GetChar();
  answers.setRank = plugin.SetRank(3, 1);
  answers.getRank = plugin.GetRank();
  answers.del = plugin.Delete();
  answers.terminate = plugin.Terminate();
  return answers;
}

// Loads a private copy of a recording variant, calls everything, unloads it.
CallAnswers CallEverythingOnCopy(const ScratchFolder& folder, const char* relativePath) {
  CharacterPlugin plugin;
  EXPECT_TRUE(plugin.loadLibrary(folder.AddPlugin(VariantPath(relativePath))));
  return CallEverything(plugin, nullptr);
}

void ExpectEveryCallAnswersNothing(const CharacterPlugin& plugin) {
  const CallAnswers answers = CallEverything(plugin, nullptr);
  EXPECT_EQ(0, answers.initialize);
  EXPECT_EQ(0, answers.create);
  EXPECT_EQ(nullptr, answers.wnd);
  EXPECT_EQ(0, answers.setChar);
  EXPECT_EQ(0, answers.getChar);
  EXPECT_EQ(0, answers.setRank);
  EXPECT_EQ(0, answers.getRank);
  EXPECT_EQ(0, answers.del);
  EXPECT_EQ(0, answers.terminate);
}

}  // namespace

TEST(CharacterPluginTest, FullLibraryAnswersThroughAllNineEntryPoints) {
  const std::string path = VariantPath(PELL_VEXACHAR);
  CharacterPlugin plugin;
  ASSERT_TRUE(plugin.loadLibrary(path));
  EXPECT_TRUE(plugin.isLoaded());
  EXPECT_EQ(path, plugin.loadedFileName());

  const CallAnswers answers = CallEverything(plugin, nullptr);
  EXPECT_EQ(1, answers.initialize);
  EXPECT_EQ(1, answers.create);
  EXPECT_NE(nullptr, answers.wnd);
  EXPECT_EQ(1, answers.setChar);
  EXPECT_EQ(5, answers.getChar);
  EXPECT_EQ(1, answers.setRank);
  EXPECT_EQ(3, answers.getRank);
  EXPECT_EQ(1, answers.del);
  EXPECT_EQ(1, answers.terminate);
}

TEST(CharacterPluginTest, RecordingLibraryLogsEachCallWithItsArguments) {
  ScratchFolder folder;
  OwnerWindow owner;
  CharacterPlugin plugin;
  ASSERT_TRUE(plugin.loadLibrary(folder.AddPlugin(VariantPath(PELL_VEXACHAR_RECORDING))));
  CallEverything(plugin, owner.handle);
  plugin.Create(nullptr, 7);
  plugin.freeLibrary();

  const std::vector<std::string> expected = {
      "VexaChar_Initialize(" + HandleText(owner.handle) + ")",
      "VexaChar_Create(30, 40, 0)",
      "VexaChar_GetWnd()",
      "VexaChar_SetChar(5, 0)",
      "VexaChar_GetChar()",
      "VexaChar_SetRank(3, 1)",
      "VexaChar_GetRank()",
      "VexaChar_Delete()",
      "VexaChar_Terminate()",
      "VexaChar_Create(null, 7)",
  };
  EXPECT_EQ(expected, folder.ReadLines("VexaChar.log"));
}

TEST(CharacterPluginTest, WithoutGetWndEveryOtherCallStillWorks) {
  ScratchFolder folder;
  const CallAnswers answers = CallEverythingOnCopy(folder, PELL_VEXACHAR_NO_GETWND);
  EXPECT_EQ(nullptr, answers.wnd);
  EXPECT_EQ(1, answers.create);
  EXPECT_EQ(5, answers.getChar);
  EXPECT_EQ(3, answers.getRank);
  EXPECT_EQ(1, answers.del);
  const std::vector<std::string> expected = {
      "VexaChar_Initialize(0x00000000)", "VexaChar_Create(30, 40, 0)", "VexaChar_SetChar(5, 0)",
      "VexaChar_GetChar()", "VexaChar_SetRank(3, 1)", "VexaChar_GetRank()", "VexaChar_Delete()",
      "VexaChar_Terminate()"};
  EXPECT_EQ(expected, folder.ReadLines("VexaChar.log"));
}

TEST(CharacterPluginTest, MissingCharacterCallsAnswerZeroWithoutReachingTheLibrary) {
  ScratchFolder folder;
  const CallAnswers answers = CallEverythingOnCopy(folder, PELL_VEXACHAR_NO_CHARACTER);
  EXPECT_NE(nullptr, answers.wnd);
  EXPECT_EQ(0, answers.setChar);
  EXPECT_EQ(0, answers.getChar);
  EXPECT_EQ(0, answers.setRank);
  EXPECT_EQ(0, answers.getRank);
  EXPECT_EQ(1, answers.del);
  EXPECT_EQ(1, answers.terminate);
  const std::vector<std::string> expected = {"VexaChar_Initialize(0x00000000)", "VexaChar_Create(30, 40, 0)",
                                             "VexaChar_GetWnd()", "VexaChar_Delete()", "VexaChar_Terminate()"};
  EXPECT_EQ(expected, folder.ReadLines("VexaChar.log"));
}

TEST(CharacterPluginTest, FreeLibraryUnloadsAndClearsEverything) {
  const std::string path = VariantPath(PELL_VEXACHAR);
  CharacterPlugin plugin;
  EXPECT_EQ(0, plugin.freeLibrary());
  ASSERT_TRUE(plugin.loadLibrary(path));
  ASSERT_NE(nullptr, GetModuleHandleA(path.c_str()));

  EXPECT_EQ(TRUE, plugin.freeLibrary());
  EXPECT_FALSE(plugin.isLoaded());
  EXPECT_EQ("", plugin.loadedFileName());
  EXPECT_EQ(nullptr, GetModuleHandleA(path.c_str()));
  ExpectEveryCallAnswersNothing(plugin);
  EXPECT_EQ(0, plugin.freeLibrary());
}

TEST(CharacterPluginTest, LibraryNotFoundAnswersFalseAndReleasesAnEarlierOne) {
  const std::string path = VariantPath(PELL_VEXACHAR);
  CharacterPlugin plugin;
  ASSERT_TRUE(plugin.loadLibrary(path));
  EXPECT_FALSE(plugin.loadLibrary(ProgramFolder() + "NoSuchPlugin.dll"));
  EXPECT_FALSE(plugin.isLoaded());
  EXPECT_EQ("", plugin.loadedFileName());
  EXPECT_EQ(nullptr, GetModuleHandleA(path.c_str()));
  ExpectEveryCallAnswersNothing(plugin);
}

TEST(CharacterPluginTest, PluginInTheCurrentDirectoryIsNotLoaded) {
  ScratchFolder folder;
  folder.AddPlugin(VariantPath(PELL_VEXACHAR));
  char previous[MAX_PATH] = {};
  GetCurrentDirectoryA(MAX_PATH, previous);
  ASSERT_TRUE(SetCurrentDirectoryA(folder.path.c_str()));

  // Proof that the ordinary search order would have found it there.
  SetDllDirectoryA(nullptr);
  HMODULE planted = LoadLibraryA("VexaChar.dll");
  EXPECT_NE(nullptr, planted);
  if (planted) FreeLibrary(planted);

  CharacterPlugin plugin;
  EXPECT_FALSE(plugin.loadLibrary("VexaChar.dll"));
  EXPECT_FALSE(plugin.isLoaded());
  SetCurrentDirectoryA(previous);
}

TEST(CharacterPluginTest, PluginBesideTheProgramIsLoadedByName) {
  const std::string besideProgram = ProgramFolder() + "VexaChar.dll";
  ASSERT_TRUE(CopyFileA(VariantPath(PELL_VEXACHAR).c_str(), besideProgram.c_str(), FALSE));
  {
    CharacterPlugin plugin;
    EXPECT_TRUE(plugin.loadLibrary("VexaChar.dll"));
    EXPECT_EQ("VexaChar.dll", plugin.loadedFileName());
    EXPECT_STRCASEEQ(besideProgram.c_str(), ModulePath(GetModuleHandleA("VexaChar.dll")).c_str());
  }
  DeleteFileA(besideProgram.c_str());
}
