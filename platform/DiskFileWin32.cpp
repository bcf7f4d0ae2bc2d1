// DiskFile in the Windows program and its tests.
#include <windows.h>

#include "platform/DiskFile.h"

namespace {

constexpr DWORD kShareReadWrite = FILE_SHARE_READ | FILE_SHARE_WRITE;

// True for a file on a disk that is no folder; its size is put in size.
bool IsDiskFile(HANDLE file, std::uint64_t& size) {
  BY_HANDLE_FILE_INFORMATION information{};
  if (GetFileType(file) != FILE_TYPE_DISK || !GetFileInformationByHandle(file, &information) ||
      (information.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0)
    return false;
  size = std::uint64_t{information.nFileSizeHigh} << 32 | information.nFileSizeLow;
  return true;
}

}  // namespace

// A read of AUX or a serial port waits for ever, and a pipe's end may never
// come. So the name is first opened with no access, which asks what it is
// without touching the device, and reopened for reading only as a disk file.
DiskFile::DiskFile(const std::string& path) {
  HANDLE query = CreateFileA(path.c_str(), 0, kShareReadWrite, nullptr, OPEN_EXISTING, 0, nullptr);
  if (query == INVALID_HANDLE_VALUE) return;
  std::uint64_t found = 0;
  if (IsDiskFile(query, found)) {
    HANDLE file = ReOpenFile(query, GENERIC_READ, kShareReadWrite, FILE_FLAG_SEQUENTIAL_SCAN);
    if (file != INVALID_HANDLE_VALUE) {
      handle = reinterpret_cast<std::intptr_t>(file);
      size = found;
    }
  }
  CloseHandle(query);
}

DiskFile::~DiskFile() {
  if (IsOpen()) CloseHandle(reinterpret_cast<HANDLE>(handle));
}

std::ptrdiff_t DiskFile::Read(char* buffer, std::size_t count) {
  DWORD got = 0;
  if (!IsOpen() ||
      !ReadFile(reinterpret_cast<HANDLE>(handle), buffer, static_cast<DWORD>(count), &got, nullptr))
    return -1;
  return static_cast<std::ptrdiff_t>(got);
}
