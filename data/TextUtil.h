#pragma once

#include <cstdint>
#include <istream>
#include <string>

// Byte-string helpers shared by the data file and plan file readers. Every
// search is by bytes: the texts are Shift-JIS and are never decoded.

// The two parts of a text cut at a separator.
struct SplitText {
  std::string head;
  std::string rest;
};

// Takes blanks (byte 0x20, not tabs) off both ends.
std::string TrimBlanks(const std::string& text);

// Cuts text at the first occurrence of separator and trims blanks off both
// parts. Without the separator the head is the whole (trimmed) text and the
// rest is empty. An empty separator occurs at the start.
SplitText splitAt(const std::string& text, const std::string& separator);

// splitAt(text, " "): returns the head and leaves the rest in text.
std::string nextToken(std::string& text);

// Lenient decimal: an optional '+' or '-', then digits up to the first byte
// that is no digit. No digits reads as 0; values beyond the 32-bit signed range
// read as its nearest end. No blanks are skipped.
std::int32_t ReadDecimal(const std::string& text);

// Reads one line of a file opened in binary mode, so that every platform sees
// the same lines: the line ends at LF, and a CR directly before that LF belongs
// to the line end (as Windows text mode reads it). A last line without LF is
// still a line and keeps any CR it ends with; byte 0x1A is an ordinary byte;
// lines have no length limit. Returns false, with line empty, when nothing is
// left to read or the stream fails; check the stream's bad() to tell a read
// error from the end of the file.
bool ReadLine(std::istream& in, std::string& line);
