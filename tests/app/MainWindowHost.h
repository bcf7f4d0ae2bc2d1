#pragma once

// The real MainWindow hosted in the test process: the shipped game data as vexa.dat in a scratch
// folder, the dialog run modeless, the controls driven with messages.

#include <gtest/gtest.h>

#include <windows.h>

#include <memory>

#include "TestSupport.h"
#include "app/CharacterPlugin.h"
#include "app/MainWindow.h"
#include "plan/GameDatabase.h"
#include "res/ControlIds.h"

class MainWindowHost : public ::testing::Test {
 protected:
  // Opens the main window on the shipped data, with a private copy of a plug-in variant when named.
  void Open(const char* plugin = nullptr) {
    folder.Write("vexa.dat", Bytes(VariantPath(PELL_SHIPPED_DATA)));
    window = std::make_unique<MainWindow>(GetModuleHandleA(nullptr), nullptr);
    if (plugin) {
      ASSERT_TRUE(ThePlugin().loadLibrary(folder.AddPlugin(VariantPath(plugin))));
    }
    ASSERT_TRUE(LoadDatabaseFrom(folder, database));
    window->SetDatabase(&database);
    ASSERT_EQ(0, window->Run(false, true));
    dialog = window->Hwnd();
    ASSERT_NE(nullptr, dialog);
    UpdateWindow(dialog);
    PumpMessages();
  }
  void TearDown() override {
    // Undone to the start, the plan is unmodified and closes without a question.
    while (database.Undo()) {
    }
    if (window && window->Hwnd()) SendMessageA(window->Hwnd(), WM_COMMAND, IDCANCEL, 0);
    PumpMessages();
    window.reset();
    ThePlugin().freeLibrary();
  }

  HWND Control(int id) const { return GetDlgItem(dialog, id); }
  HWND TypeButton(int type) const { return Control(IDC_TYPE_FIRST + type); }
  HWND JobButton(int job) const { return Control(IDC_JOB_FIRST + job); }
  // A mouse click as the button sees it: press and release inside it.
  static void Click(HWND control) {
    SendMessageA(control, BM_CLICK, 0, 0);
    PumpMessages();
  }
  void Select(int type, int job) const {
    Click(TypeButton(type));
    Click(JobButton(job));
  }

  AppScratchFolder folder;
  GameDatabase database;
  std::unique_ptr<MainWindow> window;
  HWND dialog = nullptr;
};
