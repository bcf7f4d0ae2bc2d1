#include "data/FileBytes.h"

#include <algorithm>
#include <cstdio>

#include "platform/DiskFile.h"

namespace {
constexpr std::size_t kChunk = 64 * 1024;
}  // namespace

bool CanOpenFile(const std::string& path) { return DiskFile(path).IsOpen(); }

bool ReadFileBytes(const std::string& path, std::string& bytes, std::uint64_t limit) {
  DiskFile file(path);
  return ReadFileBytes(file, bytes, limit);
}

bool ReadFileBytes(DiskFile& file, std::string& bytes, std::uint64_t limit) {
  if (!file.IsOpen() || file.Size() > limit) return false;
  const std::size_t start = bytes.size();
  // Sized once: the largest data file would not fit twice in a 32-bit process.
  bytes.reserve(start + static_cast<std::size_t>(file.Size()));
  char chunk[kChunk];
  std::uint64_t total = 0;
  // The size may be stale (the file grew), so the limit is also kept while
  // reading: one byte past it is enough to know.
  while (total <= limit) {
    const std::size_t wanted =
        static_cast<std::size_t>(std::min<std::uint64_t>(kChunk, limit + 1 - total));
    const std::ptrdiff_t got = file.Read(chunk, wanted);
    if (got < 0) return false;
    if (got == 0) return true;
    bytes.append(chunk, static_cast<std::size_t>(got));
    total += static_cast<std::uint64_t>(got);
  }
  bytes.resize(start);
  return false;
}

bool WriteFileBytes(const std::string& path, std::string_view bytes) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) return false;
  bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  written = std::fflush(file) == 0 && written;
  written = std::fclose(file) == 0 && written;
  if (!written) std::remove(path.c_str());
  return written;
}
