// The nine entry points of VexaChar.dll, C calling convention, undecorated.
// Build variants leave some out or record every call (see CMakeLists.txt).
// The plug-in is built without exceptions and uses no library part that
// throws, so no exception can unwind into the program.

#include <windows.h>

#include <cstdint>

#include "CallRecorder.h"
#include "CharacterWindow.h"

#define VEXACHAR_EXPORT extern "C" __declspec(dllexport)

namespace {

#ifdef VEXACHAR_RECORD_CALLS
constexpr bool kRecordCalls = true;
#else
constexpr bool kRecordCalls = false;
#endif

// What VexaChar_Initialize set up and VexaChar_Terminate releases.
struct Session {
  HWND owner = nullptr;
  CharacterWindow window;
};

Session& TheSession() {
  static Session session;
  return session;
}

template <typename... Arguments>
void Record(const char* format, Arguments... arguments) {
  if constexpr (kRecordCalls) RecordCall(format, arguments...);
}

unsigned HandleBits(HWND window) {
  return static_cast<unsigned>(reinterpret_cast<std::uintptr_t>(window));
}

}  // namespace

VEXACHAR_EXPORT int __cdecl VexaChar_Initialize(HWND owner) {
  Record("VexaChar_Initialize(0x%08X)", HandleBits(owner));
  TheSession().owner = owner;
  return 1;
}

VEXACHAR_EXPORT int __cdecl VexaChar_Terminate() {
  Record("VexaChar_Terminate()");
  Session& session = TheSession();
  session.window.Destroy();
  session.owner = nullptr;
  return 1;
}

VEXACHAR_EXPORT int __cdecl VexaChar_Create(const POINT* position, int flags) {
  if (!position) {
    Record("VexaChar_Create(null, %d)", flags);
    return 0;
  }
  Record("VexaChar_Create(%ld, %ld, %d)", position->x, position->y, flags);
  Session& session = TheSession();
  return session.window.Create(session.owner, *position) ? 1 : 0;
}

VEXACHAR_EXPORT int __cdecl VexaChar_Delete() {
  Record("VexaChar_Delete()");
  return TheSession().window.Destroy() ? 1 : 0;
}

#ifndef VEXACHAR_WITHOUT_GETWND
VEXACHAR_EXPORT HWND __cdecl VexaChar_GetWnd() {
  Record("VexaChar_GetWnd()");
  return TheSession().window.Handle();
}
#endif

#ifndef VEXACHAR_WITHOUT_CHARACTER_CALLS
VEXACHAR_EXPORT int __cdecl VexaChar_GetChar() {
  Record("VexaChar_GetChar()");
  return TheSession().window.CharacterType();
}

VEXACHAR_EXPORT int __cdecl VexaChar_SetChar(int type, int flags) {
  Record("VexaChar_SetChar(%d, %d)", type, flags);
  TheSession().window.SetCharacterType(type);
  return 1;
}

VEXACHAR_EXPORT int __cdecl VexaChar_GetRank() {
  Record("VexaChar_GetRank()");
  return TheSession().window.JobSlot();
}

VEXACHAR_EXPORT int __cdecl VexaChar_SetRank(int slot, int flags) {
  Record("VexaChar_SetRank(%d, %d)", slot, flags);
  TheSession().window.SetJobSlot(slot);
  return 1;
}
#endif
