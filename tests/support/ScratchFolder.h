#pragma once

#include <cstddef>
#include <string>

class GameDatabase;

// A private temporary folder for the files a fuzzer or benchmark writes,
// removed with everything in it when the object goes.
class ScratchFolder {
 public:
  ScratchFolder();
  ~ScratchFolder();
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  std::string PathOf(const char* name) const;
  // Replaces the file with exactly these bytes.
  void Write(const char* name, const void* data, std::size_t size) const;
  std::string Read(const char* name) const;

  // The database reads "vexa.dat" from the working directory: enter the folder
  // for the load only, so that relative paths given to the program keep working.
  bool LoadDatabase(GameDatabase& database) const;

 private:
  std::string path;
};
