#pragma once

// Owns one COM interface pointer and releases it when it goes. Not copyable:
// a copy would release it twice.
template <typename Interface>
class ComPointer {
 public:
  ComPointer() = default;
  ~ComPointer() {
    if (pointer) pointer->Release();
  }
  ComPointer(const ComPointer&) = delete;
  ComPointer& operator=(const ComPointer&) = delete;

  // For a call that hands out a new pointer; call it on an empty holder only.
  Interface** Receive() { return &pointer; }
  Interface* Get() const { return pointer; }
  Interface* operator->() const { return pointer; }

 private:
  Interface* pointer = nullptr;
};
