#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// A file on a disk, opened for reading. Opening never waits on a device, and
// nothing but a disk file opens: a device (AUX, COM1, NUL), a pipe or FIFO, a
// folder or a missing name leaves the object closed, without a byte read. The
// one seam of the core to the system, chosen at build time: POSIX calls
// natively, Win32 calls in the cross build; neither reaches this header.
class DiskFile {
 public:
  explicit DiskFile(const std::string& path);
  ~DiskFile();
  DiskFile(const DiskFile&) = delete;
  DiskFile& operator=(const DiskFile&) = delete;

  bool IsOpen() const { return handle != kClosed; }
  // The size when it was opened; the file may have grown since.
  std::uint64_t Size() const { return size; }
  // Reads up to count bytes on from the last read: the number read, 0 at the
  // end of the file, -1 when the read fails or the file is not open.
  std::ptrdiff_t Read(char* buffer, std::size_t count);

 private:
  static constexpr std::intptr_t kClosed = -1;
  std::intptr_t handle = kClosed;  // a descriptor, or a HANDLE
  std::uint64_t size = 0;
};
