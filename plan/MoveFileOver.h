#pragma once

#include <string>

// Moves the file source to target in one step, replacing target when it
// exists; false, with both files as they were, when the move fails. Paths are
// byte strings in the system's code page.
bool MoveFileOver(const std::string& source, const std::string& target);
