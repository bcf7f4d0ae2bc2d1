#pragma once

#include <windows.h>

#include <commctrl.h>

// Owns one handle and gives it back with Release (a function object taking
// the handle) when it takes another and when it goes. Not copyable: a copy
// would give the handle back twice.
template <typename Handle, typename Release>
class OwnedHandle {
 public:
  OwnedHandle() = default;
  explicit OwnedHandle(Handle handle) : handle(handle) {}
  ~OwnedHandle() { Reset(); }
  OwnedHandle(const OwnedHandle&) = delete;
  OwnedHandle& operator=(const OwnedHandle&) = delete;

  Handle Get() const { return handle; }
  explicit operator bool() const { return handle != nullptr; }

  // Gives back the handle held so far and takes ownership of the new one.
  void Reset(Handle replacement = nullptr) {
    if (handle) Release()(handle);
    handle = replacement;
  }

 private:
  Handle handle = nullptr;
};

struct CloseKernelObject {
  void operator()(HANDLE object) const { CloseHandle(object); }
};
struct DestroyIconObject {
  void operator()(HICON icon) const { DestroyIcon(icon); }
};
struct DestroyImageList {
  void operator()(HIMAGELIST images) const { ImageList_Destroy(images); }
};

// An event or a thread.
using OwnedKernelObject = OwnedHandle<HANDLE, CloseKernelObject>;
using OwnedIcon = OwnedHandle<HICON, DestroyIconObject>;
using OwnedImageList = OwnedHandle<HIMAGELIST, DestroyImageList>;
