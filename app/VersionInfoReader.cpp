#include "app/VersionInfoReader.h"

#include <windows.h>

#include <memory>
#include <new>

#include "app/OperatingSystem.h"
#include "data/TextUtil.h"

namespace {

struct Translation {
  WORD language;
  WORD codePage;
};

// "\StringFileInfo\041104B0\" for Japanese, Unicode.
std::string StringTablePrefix(const Translation& translation) {
  return "\\StringFileInfo\\" + UpperHex(translation.language, 4) +
         UpperHex(translation.codePage, 4) + "\\";
}

// The version library's three entry points, null where it did not load. It is
// loaded when first asked for, from the system folder by its full path:
// linked, it would be loaded at every start before the program runs.
struct VersionLibrary {
  decltype(&GetFileVersionInfoSizeA) infoSize = nullptr;
  decltype(&GetFileVersionInfoA) info = nullptr;
  decltype(&VerQueryValueA) query = nullptr;
};

const VersionLibrary& Version() {
  static const VersionLibrary library = [] {
    VersionLibrary found;
    const HMODULE module = LoadSystemLibrary("version.dll");
    found.infoSize = LibraryEntry<decltype(found.infoSize)>(module, "GetFileVersionInfoSizeA");
    found.info = LibraryEntry<decltype(found.info)>(module, "GetFileVersionInfoA");
    found.query = LibraryEntry<decltype(found.query)>(module, "VerQueryValueA");
    return found;
  }();
  return library;
}

std::string LookUpText(const char* block, const std::string& path) {
  char* text = nullptr;
  UINT length = 0;
  if (!Version().query(block, path.c_str(), reinterpret_cast<void**>(&text), &length) || !text)
    return {};
  return text;
}

}  // namespace

bool VersionInfoReader::FileVersionString(const std::string& modulePath,
                                          std::string& version) const {
  const VersionLibrary& library = Version();
  if (!library.infoSize || !library.info || !library.query) return false;

  DWORD handle = 0;
  const DWORD size = library.infoSize(modulePath.c_str(), &handle);
  if (size == 0) return false;
  // One spare zero byte, so no text can run past the block.
  std::unique_ptr<char[]> block(new (std::nothrow) char[size + 1]());
  if (!block) return false;
  if (!library.info(modulePath.c_str(), 0, size, block.get())) return false;

  Translation* translation = nullptr;
  UINT translationLength = 0;
  if (!library.query(block.get(), "\\VarFileInfo\\Translation",
                     reinterpret_cast<void**>(&translation), &translationLength))
    return false;
  // An empty translation table has no first entry to read.
  if (!translation || translationLength < sizeof(Translation)) return false;
  version = LookUpText(block.get(), StringTablePrefix(*translation) + "FileVersion");
  return true;
}
