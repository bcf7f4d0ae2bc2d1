#pragma once

#include <string>
#include <string_view>

// Moves the file source to target in one step, replacing target when it
// exists; false, with both files as they were, when the move fails. Paths are
// byte strings in the system's code page.
bool MoveFileOver(const std::string& source, const std::string& target);

// Writes the bytes beside the file first (its path with ".tmp" added) and
// replaces the file only when every byte is written, so a failure never
// destroys a file already there; the file beside it is removed again.
bool ReplaceFileBytes(const std::string& path, std::string_view bytes);
