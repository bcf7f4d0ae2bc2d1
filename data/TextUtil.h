#pragma once

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>

// Byte-string helpers shared by the data file and plan file readers. Every
// search is by bytes: the texts are Shift-JIS and are never decoded. The
// cutting helpers copy nothing: their results view the text they were given,
// which must outlive them, so that a line is examined once and each stored
// string is built once.

// The two parts of a text cut at a separator.
struct SplitText {
  std::string_view head;
  std::string_view rest;
};

// The cutting helpers are inline: they run for every field of every data line,
// mostly on a few bytes, where a call costs more than the work.

// Takes blanks (byte 0x20, not tabs) off both ends.
inline std::string_view TrimBlanks(std::string_view text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return std::string_view();
  // Searched from the end, so trimming a long rest costs only its trailing blanks.
  const std::size_t last = text.find_last_not_of(' ');
  return text.substr(first, last - first + 1);
}

namespace textutil_detail {
// Where separator first occurs in text, or npos. A one-byte separator, the
// usual case, is looked for by a plain scan, cheaper on a few bytes than the
// library's search.
inline std::size_t Find(std::string_view text, std::string_view separator) {
  if (separator.size() != 1) return text.find(separator);
  const auto found = std::find(text.begin(), text.end(), separator.front());
  return found == text.end() ? std::string_view::npos
                             : static_cast<std::size_t>(found - text.begin());
}
}  // namespace textutil_detail

// Cuts text at the first occurrence of separator and trims blanks off both
// parts. Without the separator the head is the whole (trimmed) text and the
// rest is empty. An empty separator occurs at the start.
inline SplitText splitAt(std::string_view text, std::string_view separator) {
  const std::size_t at = textutil_detail::Find(text, separator);
  if (at == std::string_view::npos) return SplitText{TrimBlanks(text), std::string_view()};
  return SplitText{TrimBlanks(text.substr(0, at)), TrimBlanks(text.substr(at + separator.size()))};
}

// splitAt(text, " "): returns the head and leaves the rest in text.
inline std::string_view nextToken(std::string_view& text) {
  const SplitText parts = splitAt(text, " ");
  // Taken apart and built again: assigned whole, the view was stored in halves
  // and loaded at once, a store-forwarding stall on every field.
  text = std::string_view(parts.rest.data(), parts.rest.size());
  return parts.head;
}

// True for the first byte of a two-byte Shift-JIS character.
inline bool IsShiftJisLeadByte(char byte) {
  const auto value = static_cast<unsigned char>(byte);
  return (value >= 0x81 && value <= 0x9F) || (value >= 0xE0 && value <= 0xFC);
}

// Lenient decimal: an optional '+' or '-', then digits up to the first byte
// that is no digit. No digits reads as 0; values beyond the 32-bit signed range
// read as its nearest end. No blanks are skipped.
std::int32_t ReadDecimal(std::string_view text);

// Whether ReadDecimal finds digits in text: an optional sign, then a digit.
bool StartsWithDecimal(std::string_view text);

// Upper-case hexadecimal digits of value, at least minDigits of them with
// leading zeros: what "%X" and "%04X" write, without printf, which would bring
// a whole formatter of its own into the program.
std::string UpperHex(std::uint32_t value, int minDigits = 1);

// Cuts a text (a whole file read in binary mode, or pasted text) into lines,
// so that every platform sees the same lines: a line ends at LF, and a CR
// directly before that LF belongs to the line end (as Windows text mode reads
// it). A last line without LF is still a line and keeps any CR it ends with;
// byte 0x1A is an ordinary byte; lines have no length limit. The lines view
// the text, which must outlive them.
class LineCutter {
 public:
  explicit LineCutter(std::string_view text) : rest(text) {}

  // The next line; false when the text is used up.
  bool Next(std::string_view& line);

 private:
  std::string_view rest;
};
