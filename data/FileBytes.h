#pragma once

#include <cstdint>
#include <string>
#include <string_view>

class DiskFile;

// Whole files as bytes. Reading takes only files on a disk (DiskFile), and
// never more than a limit; writing goes through the C runtime in binary mode,
// since the C++ streams would bring their locale machinery into the program
// for nothing. Paths are byte strings in the system's code page.

// True when the path names a file on a disk that can be opened for reading.
bool CanOpenFile(const std::string& path);

// Appends the file's bytes to bytes. False when the path names no file on a
// disk, or a read fails (not at the end of the file): bytes then holds what
// was read before the failure. False too for a file larger than limit, known
// by its size before anything is read, or by a read of limit + 1 bytes when
// it grew: nothing of it is added.
bool ReadFileBytes(const std::string& path, std::string& bytes, std::uint64_t limit);
// The same from a file already open, on from what was read of it.
bool ReadFileBytes(DiskFile& file, std::string& bytes, std::uint64_t limit);

// Creates or truncates the file and writes exactly these bytes, checking the
// write, the flush and the close. On a failure after the file was opened, the
// file is removed again; false either way.
bool WriteFileBytes(const std::string& path, std::string_view bytes);
