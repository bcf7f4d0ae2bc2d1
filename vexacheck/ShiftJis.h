#pragma once

#include <cstddef>
#include <string_view>

// Where the first byte sequence that is not Shift-JIS (code page 932) starts,
// or npos when every byte belongs to a character: a byte that is neither one
// character nor a lead byte, or a lead byte without its trail byte.
std::size_t InvalidShiftJisAt(std::string_view bytes);
