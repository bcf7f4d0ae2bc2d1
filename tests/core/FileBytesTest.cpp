// Files read whole: only files on a disk, and never more than a limit.
#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/stat.h>
#endif

#include <fstream>
#include <string>
#include <vector>

#include "data/FileBytes.h"
#include "harness/ScratchFolder.h"
#include "platform/DiskFile.h"

namespace {

// Names that are no file on a disk; reading each as a file would wait for ever, never end, or read
// as an empty file.
std::vector<std::string> NoDiskFiles(const ScratchFolder& folder) {
  std::vector<std::string> names = {folder.path.string(), folder.PathOf("missing.vx3")};
#ifdef _WIN32
  names.insert(names.end(), {"NUL", "AUX"});
#else
  names.push_back("/dev/null");
  const std::string fifo = folder.PathOf("fifo.vx3");  // an open waits for a writer
  if (mkfifo(fifo.c_str(), 0600) == 0) names.push_back(fifo);
#endif
  return names;
}

// A file of exactly the limit is read whole; one byte over is refused before any read, and one that
// grew past the limit once open stops a byte past it, adding nothing either way. Folders, devices,
// FIFOs and missing names never open.
TEST(FileBytesTest, OnlyDiskFilesWithinTheLimitAreRead) {
  const ScratchFolder folder;
  const std::string path = folder.Write("plan.vx3", std::string(100, 'x'));
  std::string bytes = "kept";
  EXPECT_TRUE(ReadFileBytes(path, bytes, 100));
  EXPECT_EQ("kept" + std::string(100, 'x'), bytes);

  bytes = "kept";
  char rest[1000];
  {
    DiskFile over(path);
    EXPECT_FALSE(ReadFileBytes(over, bytes, 99));
    EXPECT_EQ(100, over.Read(rest, sizeof rest));  // nothing of it was read
  }
  DiskFile growing(path);
  ASSERT_EQ(100u, growing.Size());
  std::ofstream(path, std::ios::binary | std::ios::app) << std::string(900, 'y');
  EXPECT_FALSE(ReadFileBytes(growing, bytes, 150));
  EXPECT_EQ(1000 - 151, growing.Read(rest, sizeof rest));
  EXPECT_EQ("kept", bytes);

  for (const std::string& name : NoDiskFiles(folder)) {
    EXPECT_FALSE(CanOpenFile(name)) << name;
    EXPECT_FALSE(ReadFileBytes(name, bytes, 100)) << name;
    EXPECT_EQ("kept", bytes) << name;
  }
}

}  // namespace
