// DiskFile natively, for the host's tests, fuzzers and benchmarks.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/DiskFile.h"

// Without O_NONBLOCK, opening a FIFO waits for a writer and a terminal may
// wait for its line; on a regular file the flag changes nothing.
DiskFile::DiskFile(const std::string& path) {
  const int descriptor = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (descriptor < 0) return;
  struct stat status {};
  if (fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode)) {
    close(descriptor);
    return;
  }
  handle = descriptor;
  size = static_cast<std::uint64_t>(status.st_size);
}

DiskFile::~DiskFile() {
  if (IsOpen()) close(static_cast<int>(handle));
}

std::ptrdiff_t DiskFile::Read(char* buffer, std::size_t count) {
  if (!IsOpen()) return -1;
  return read(static_cast<int>(handle), buffer, count);
}
