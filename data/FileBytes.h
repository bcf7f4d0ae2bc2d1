#pragma once

#include <string>
#include <string_view>

// Whole files as bytes, through the C runtime in binary mode: the C++ streams
// would bring their locale machinery into the program for nothing. Paths are
// byte strings in the system's code page.

// True when the file can be opened for reading.
bool CanOpenFile(const std::string& path);

// Appends the file's bytes to bytes. False when the file cannot be opened or
// a read fails (not at the end of the file); bytes then holds what was read
// before the failure.
bool ReadFileBytes(const std::string& path, std::string& bytes);

// Creates or truncates the file and writes exactly these bytes, checking the
// write, the flush and the close. On a failure after the file was opened, the
// file is removed again; false either way.
bool WriteFileBytes(const std::string& path, std::string_view bytes);
