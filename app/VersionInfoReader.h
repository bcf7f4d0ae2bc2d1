#pragma once

#include <string>

// Reads the version string of a module's version resource, in the language
// and code page of its first translation entry.
class VersionInfoReader {
 public:
  // The "FileVersion" text (empty when the resource lacks it) into version;
  // version is untouched on failure.
  bool FileVersionString(const std::string& modulePath, std::string& version) const;
};
