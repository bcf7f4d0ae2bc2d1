// The program's resources, which this test program carries too: version
// strings and the title made of them, and the manifest.
#include <gtest/gtest.h>

#include <windows.h>

#include "TestSupport.h"
#include "app/VersionInfoReader.h"
#include "app/VersionTitle.h"

namespace {

std::string ThisProgram() {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  return path;
}

}  // namespace

TEST(VersionInfoReaderTest, FileVersionOnlyFromAVersionResource) {
  std::string version = "untouched";
  // A missing file, and the plug-in, which has no version resource.
  EXPECT_FALSE(VersionInfoReader().FileVersionString(ProgramFolder() + "missing.exe", version));
  EXPECT_FALSE(VersionInfoReader().FileVersionString(VariantPath(PELL_VEXACHAR), version));
  EXPECT_EQ("untouched", version);
  EXPECT_TRUE(VersionInfoReader().FileVersionString(ThisProgram(), version));
  EXPECT_EQ("2, 2, 2, 1", version);
}

// Each read starts from a stale map; keys by number, CompanyName 0 to SpecialBuild 11.
TEST(VersionInfoReaderTest, ReadStringsStoresOneTextPerValidKey) {
  auto listed = [](const VersionStrings& strings) {
    std::string text;
    for (const auto& [key, value] : strings)
      text += std::to_string(static_cast<int>(key)) + "=" + value + ";";
    return text;
  };
  const std::string me = ThisProgram(), missing = ProgramFolder() + "missing.exe";
  const struct {
    std::string path;
    std::vector<int> keys;  // none for a null array
    int count;              // 99: the number of keys
    bool answer;
    const char* strings;
  } reads[] = {
      {me, {0, 2, 11, 12}, 99, false, "0=;2=2, 2, 2, 1;11=;"},  // absent empty, 12 skipped
      {missing, {2}, 99, false, ""},                            // valid keys empty the map
      {me, {}, 1, false, "8=stale;"},                           // no keys: nothing touched
  };
  for (const auto& read : reads) {
    std::vector<VersionKey> keys;
    for (int key : read.keys) keys.push_back(static_cast<VersionKey>(key));
    VersionStrings strings = {{VersionKey::Comments, "stale"}};
    const int count = read.count == 99 ? static_cast<int>(keys.size()) : read.count;
    EXPECT_EQ(read.answer, VersionInfoReader().ReadStrings(
                               read.path, keys.empty() ? nullptr : keys.data(), count, strings))
        << "row " << &read - reads;
    EXPECT_EQ(read.strings, listed(strings)) << "row " << &read - reads;
  }
}

TEST(VersionTitleTest, CommaAndBlankBecomeAFullStop) {
  EXPECT_EQ("T - Version 1,2.3", ComposeVersionTitle("T", "1,2, 3"));
  EXPECT_EQ("T - Version 4.  5", ComposeVersionTitle("T", "4,   5"));
}

TEST(ProgramResourcesTest, ManifestAsksForCommonControlsSixAndNoElevation) {
  HRSRC found = FindResourceA(nullptr, MAKEINTRESOURCEA(1), RT_MANIFEST);
  ASSERT_NE(nullptr, found);
  const std::string manifest(static_cast<const char*>(LockResource(LoadResource(nullptr, found))),
                             SizeofResource(nullptr, found));
  EXPECT_NE(std::string::npos,
            manifest.find("name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\""));
  EXPECT_NE(std::string::npos, manifest.find("level=\"asInvoker\""));
  EXPECT_EQ(std::string::npos, manifest.find("dpiAware"));
}
