#pragma once

#include <map>
#include <string>

// The twelve standard strings of a version resource, by number.
enum class VersionKey : int {
  CompanyName = 0,
  FileDescription = 1,
  FileVersion = 2,
  InternalName = 3,
  LegalCopyright = 4,
  OriginalFilename = 5,
  ProductName = 6,
  ProductVersion = 7,
  Comments = 8,
  LegalTrademarks = 9,
  PrivateBuild = 10,
  SpecialBuild = 11,
};

using VersionStrings = std::map<VersionKey, std::string>;

// Reads version strings from a module's version resource, in the language
// and code page of its first translation entry.
class VersionInfoReader {
 public:
  virtual ~VersionInfoReader() = default;

  // Empties strings, then stores one text per key (empty when the resource
  // lacks it); keys outside the twelve are skipped. True when every key gave
  // its own entry. A null key array or a count below 1 leaves strings as it was.
  bool ReadStrings(const std::string& modulePath, const VersionKey* keys, int count,
                   VersionStrings& strings) const;

  // The "FileVersion" text into version; version is untouched on failure.
  bool FileVersionString(const std::string& modulePath, std::string& version) const;
};
