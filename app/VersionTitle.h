#pragma once

#include <windows.h>

#include <string>

// "2, 2, 2, 1" becomes "2.2.2.1"; a comma not followed by a blank stays.
std::string DottedVersion(std::string version);

// The window title with the program's version appended: "<title> - Version 2.2.2.1".
std::string ComposeVersionTitle(const std::string& currentTitle, const std::string& version);

// The running program's file version as its version resource holds it;
// empty when none can be read.
std::string ProgramFileVersion();

// Appends the running program's file version to the window's title; with no
// readable version the title ends in " - Version ".
void AppendVersionToTitle(HWND window);
