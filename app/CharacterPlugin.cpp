#include "app/CharacterPlugin.h"

namespace {

// Looked up in this order, one per CharacterPlugin::Entry.
constexpr const char* kEntryNames[] = {
    "VexaChar_Initialize", "VexaChar_Terminate", "VexaChar_Create",  "VexaChar_Delete",
    "VexaChar_GetWnd",     "VexaChar_SetChar",   "VexaChar_SetRank",
};

// Loads a library found by the usual search order minus the current directory:
// a VexaChar.dll planted there (the folder of an opened plan file, a download
// folder) must never run inside the program. SetDllDirectoryA("") takes the
// current directory out on every Windows, but not under Wine; where the system
// offers the default-directories search (program folder and system folder),
// that is used as well.
HMODULE LoadFromSafeFolders(const std::string& fileName) {
  SetDllDirectoryA("");
  if (GetProcAddress(GetModuleHandleA("kernel32.dll"), "SetDefaultDllDirectories"))
    return LoadLibraryExA(fileName.c_str(), nullptr, LOAD_LIBRARY_SEARCH_DEFAULT_DIRS);
  return LoadLibraryA(fileName.c_str());
}

}  // namespace

CharacterPlugin::~CharacterPlugin() { freeLibrary(); }

bool CharacterPlugin::loadLibrary(const std::string& fileName) {
  static_assert(sizeof kEntryNames / sizeof kEntryNames[0] == kEntryCount,
                "one name per entry point");
  // A second load replaces the first rather than leaking it.
  freeLibrary();
  module = LoadFromSafeFolders(fileName);
  if (!module) return false;
  this->fileName = fileName;
  for (int entry = 0; entry < kEntryCount; ++entry)
    entries[entry] = GetProcAddress(module, kEntryNames[entry]);
  return true;
}

int CharacterPlugin::freeLibrary() {
  if (!module) return 0;
  const int result = FreeLibrary(module);
  module = nullptr;
  fileName.clear();
  ClearEntries();
  return result;
}

void CharacterPlugin::ClearEntries() {
  for (FARPROC& entry : entries) entry = nullptr;
}

template <typename Result, typename... Arguments>
Result CharacterPlugin::Call(Entry entry, Arguments... arguments) const {
  if (!entries[entry]) return Result{};
  // The exports use the C calling convention, whatever FARPROC says.
  using Function = Result(__cdecl*)(Arguments...);
  auto function = reinterpret_cast<Function>(reinterpret_cast<void (*)()>(entries[entry]));
  return function(arguments...);
}

int CharacterPlugin::Initialize(HWND mainWindow) const {
  return Call<int>(kInitialize, mainWindow);
}
int CharacterPlugin::Terminate() const { return Call<int>(kTerminate); }
int CharacterPlugin::Create(const POINT* position, int flags) const {
  return Call<int>(kCreate, position, flags);
}
int CharacterPlugin::Delete() const { return Call<int>(kDelete); }
HWND CharacterPlugin::GetWnd() const { return Call<HWND>(kGetWnd); }
int CharacterPlugin::SetChar(int type, int flags) const { return Call<int>(kSetChar, type, flags); }
int CharacterPlugin::SetRank(int slot, int flags) const { return Call<int>(kSetRank, slot, flags); }

CharacterPlugin& ThePlugin() {
  static CharacterPlugin plugin;
  return plugin;
}
