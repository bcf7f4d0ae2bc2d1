#pragma once

#include <windows.h>

#include <string>

// Holder of the optional character plug-in library and the seven of its nine
// entry points that the program calls (the type and slot getters it never asks).
// The program keeps one for the whole process (ThePlugin); a call to an entry
// point the library lacks does nothing and answers 0 (null for GetWnd).
class CharacterPlugin {
 public:
  CharacterPlugin() = default;
  ~CharacterPlugin();
  CharacterPlugin(const CharacterPlugin&) = delete;
  CharacterPlugin& operator=(const CharacterPlugin&) = delete;

  // Frees any library held, then loads one by name with the system's search
  // order minus the current directory; false leaves everything null.
  bool loadLibrary(const std::string& fileName);
  // Answers what FreeLibrary answered, or 0 when nothing was loaded.
  int freeLibrary();
  bool isLoaded() const { return module != nullptr; }
  const std::string& loadedFileName() const { return fileName; }

  int Initialize(HWND mainWindow) const;
  int Terminate() const;
  int Create(const POINT* position, int flags) const;
  int Delete() const;
  HWND GetWnd() const;
  int SetChar(int type, int flags) const;
  int SetRank(int slot, int flags) const;

 private:
  enum Entry {
    kInitialize,
    kTerminate,
    kCreate,
    kDelete,
    kGetWnd,
    kSetChar,
    kSetRank,
    kEntryCount
  };

  template <typename Result, typename... Arguments>
  Result Call(Entry entry, Arguments... arguments) const;
  void ClearEntries();

  HMODULE module = nullptr;
  std::string fileName;
  FARPROC entries[kEntryCount] = {};
};

// The process-wide holder; it frees the library at process exit.
CharacterPlugin& ThePlugin();
