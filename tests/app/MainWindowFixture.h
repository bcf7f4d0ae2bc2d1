#pragma once

// Hosts the real MainWindow in the test process: the shipped game data (or a
// variant of it) as vexa.dat in a scratch folder that is the working
// directory, the dialog run modeless, and the controls driven with messages.

#include <gtest/gtest.h>

#include <windows.h>

#include <fstream>
#include <iterator>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "PluginTestSupport.h"
#include "app/CharacterPlugin.h"
#include "app/MainWindow.h"
#include "data/GameDatabase.h"
#include "res/ControlIds.h"
#include "ui/AppMessages.h"

// The shipped data file, with every line that starts with one of the prefixes left out.
inline std::string ShippedDataWithout(const std::vector<std::string>& prefixes) {
  std::ifstream in(VariantPath(PELL_SHIPPED_DATA), std::ios::binary);
  const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  std::string kept;
  std::istringstream lines(bytes);
  for (std::string line; std::getline(lines, line);) {
    bool dropped = false;
    for (const std::string& prefix : prefixes) dropped = dropped || line.rfind(prefix, 0) == 0;
    if (!dropped) kept += line + "\n";
  }
  return kept;
}

inline std::string WindowText(HWND window) {
  char text[512] = {};
  GetWindowTextA(window, text, sizeof text);
  return text;
}

class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char previous[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, previous);
    previousFolder = previous;
    SetCurrentDirectoryA(folder.path.c_str());
  }

  void TearDown() override {
    if (window && window->Hwnd()) SendMessageA(window->Hwnd(), WM_COMMAND, IDCANCEL, 0);
    PumpMessages();
    window.reset();
    ThePlugin().freeLibrary();
    SetCurrentDirectoryA(previousFolder.c_str());
  }

  // Opens the main window on the data (the shipped file when empty), with a
  // private copy of a plug-in variant when one is named.
  void Open(const std::string& data = ShippedDataWithout({}), const char* pluginVariant = nullptr) {
    std::ofstream(folder.File("vexa.dat"), std::ios::binary) << data;
    window = std::make_unique<MainWindow>(GetModuleHandleA(nullptr), nullptr);
    if (pluginVariant) {
      ASSERT_TRUE(ThePlugin().loadLibrary(folder.AddPlugin(VariantPath(pluginVariant))));
    }
    ASSERT_TRUE(database.load());
    window->SetDatabase(&database);
    ASSERT_EQ(0, window->Run(false, true));
    dialog = window->Hwnd();
    ASSERT_NE(nullptr, dialog);
    UpdateWindow(dialog);
    PumpMessages();
  }

  HWND Control(int id) const { return GetDlgItem(dialog, id); }
  HWND TypeButton(int type) const { return Control(IDC_TYPE_FIRST + type); }
  HWND JobButton(int job) const { return Control(IDC_JOB_FIRST + job); }
  HWND AttributeBox(int box) const { return Control(IDC_ATTRIBUTE_FIRST + box); }

  // A mouse click as the button sees it: press and release inside it.
  void Click(HWND control) {
    SendMessageA(control, BM_CLICK, 0, 0);
    PumpMessages();
  }
  void Select(int type, int job) {
    Click(TypeButton(type));
    Click(JobButton(job));
  }
  static bool Checked(HWND control) { return SendMessageA(control, BM_GETCHECK, 0, 0) == BST_CHECKED; }

  std::string TypeName(int type) const {
    std::string name;
    database.typeName(type, name);
    return name;
  }
  std::string JobName(int type, int slot) const {
    std::string name;
    database.jobName(type, slot, name);
    return name;
  }

  // Raises the first rows, so that a rebuild would show as levels back at 0.
  void RaiseFirstRows(int count) {
    ChangeList changes;
    for (int row = 0; row < count; ++row) database.StepRowLevel(row, Up, changes);
  }
  int RowLevel(int row) const {
    SkillEntry entry;
    return database.CopyRowEntry(row, entry) ? entry.level : -1;
  }

  ScratchFolder folder;
  std::string previousFolder;
  GameDatabase database;
  std::unique_ptr<MainWindow> window;
  HWND dialog = nullptr;
};
