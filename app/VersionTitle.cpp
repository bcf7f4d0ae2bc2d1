#include "app/VersionTitle.h"

#include "app/VersionInfoReader.h"

namespace {
constexpr int kTextBufferSize = 260;
}

std::string DottedVersion(std::string version) {
  for (std::string::size_type at = version.find(", "); at != std::string::npos;
       at = version.find(", "))
    version.replace(at, 2, ".");
  return version;
}

std::string ComposeVersionTitle(const std::string& currentTitle, const std::string& version) {
  return currentTitle + " - Version " + DottedVersion(version);
}

std::string ProgramFileVersion() {
  char programPath[kTextBufferSize] = {};
  GetModuleFileNameA(nullptr, programPath, kTextBufferSize);
  std::string version;
  VersionInfoReader().FileVersionString(programPath, version);
  return version;
}

void AppendVersionToTitle(HWND window) {
  const std::string version = ProgramFileVersion();
  char title[kTextBufferSize] = {};
  GetWindowTextA(window, title, kTextBufferSize);
  SetWindowTextA(window, ComposeVersionTitle(title, version).c_str());
}
