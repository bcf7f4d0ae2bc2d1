// The program's resources, which this test program carries too: the file version and the manifest.
#include <gtest/gtest.h>

#include <windows.h>

#include "TestSupport.h"
#include "app/VersionInfoReader.h"

TEST(VersionInfoReaderTest, FileVersionOnlyFromAVersionResource) {
  std::string version = "untouched";
  // A missing file, and the plug-in, which has no version resource.
  EXPECT_FALSE(VersionInfoReader().FileVersionString(TestProgramFolder() + "missing.exe", version));
  EXPECT_FALSE(VersionInfoReader().FileVersionString(VariantPath(PELL_VEXACHAR), version));
  EXPECT_EQ("untouched", version);
  EXPECT_TRUE(VersionInfoReader().FileVersionString(TestProgram(), version));
  EXPECT_EQ("2, 2, 2, 1", version);
}

TEST(ProgramResourcesTest, ManifestAsksForCommonControlsSixPerMonitorScaleAndNoElevation) {
  HRSRC found = FindResourceA(nullptr, MAKEINTRESOURCEA(1), RT_MANIFEST);
  ASSERT_NE(nullptr, found);
  const std::string manifest(static_cast<const char*>(LockResource(LoadResource(nullptr, found))),
                             SizeofResource(nullptr, found));
  EXPECT_NE(std::string::npos,
            manifest.find("name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\""));
  EXPECT_NE(std::string::npos, manifest.find("level=\"asInvoker\""));
  EXPECT_NE(std::string::npos, manifest.find(">true/pm</dpiAware>"));
  EXPECT_NE(std::string::npos, manifest.find(">PerMonitorV2, PerMonitor</dpiAwareness>"));
}
