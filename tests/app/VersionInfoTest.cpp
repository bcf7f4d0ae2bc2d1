#include <gtest/gtest.h>

#include <JapaneseText.h>

#include "PluginTestSupport.h"
#include "app/VersionInfoReader.h"
#include "app/VersionTitle.h"

namespace {

// This test program carries the program's own version resource.
std::string ProgramPath() { return ModulePath(nullptr); }

constexpr VersionKey Key(int value) { return static_cast<VersionKey>(value); }

const VersionStrings kStale = {{VersionKey::Comments, "stale"}};

}  // namespace

TEST(VersionInfoReaderTest, FileVersionOfTheProgram) {
  std::string version;
  EXPECT_TRUE(VersionInfoReader().FileVersionString(ProgramPath(), version));
  EXPECT_EQ("2, 2, 2, 1", version);
}

TEST(VersionInfoReaderTest, FileVersionLeavesTheTextAloneOnFailure) {
  std::string version = "untouched";
  EXPECT_FALSE(VersionInfoReader().FileVersionString(ProgramFolder() + "missing.exe", version));
  // The plug-in has no version resource at all.
  EXPECT_FALSE(VersionInfoReader().FileVersionString(VariantPath(PELL_VEXACHAR), version));
  EXPECT_EQ("untouched", version);
}

TEST(VersionInfoReaderTest, KeyOutsideTheTwelveIsSkippedAndAnswersFalse) {
  const VersionKey keys[] = {VersionKey::FileVersion, Key(12)};
  VersionStrings strings = kStale;
  EXPECT_FALSE(VersionInfoReader().ReadStrings(ProgramPath(), keys, 2, strings));
  EXPECT_EQ((VersionStrings{{VersionKey::FileVersion, "2, 2, 2, 1"}}), strings);
}

TEST(VersionInfoReaderTest, RepeatedKeyIsStoredOnceAndAnswersFalse) {
  const VersionKey keys[] = {VersionKey::ProductName, VersionKey::ProductName};
  VersionStrings strings;
  EXPECT_FALSE(VersionInfoReader().ReadStrings(ProgramPath(), keys, 2, strings));
  EXPECT_EQ((VersionStrings{{VersionKey::ProductName, "Pellgrove+ Skill Simulator"}}), strings);
}

TEST(VersionInfoReaderTest, AbsentStringIsStoredEmpty) {
  const VersionKey keys[] = {VersionKey::CompanyName, VersionKey::FileVersion, VersionKey::SpecialBuild};
  VersionStrings strings;
  EXPECT_TRUE(VersionInfoReader().ReadStrings(ProgramPath(), keys, 3, strings));
  const VersionStrings expected = {
      {VersionKey::CompanyName, ""}, {VersionKey::FileVersion, "2, 2, 2, 1"}, {VersionKey::SpecialBuild, ""}};
  EXPECT_EQ(expected, strings);
}

TEST(VersionInfoReaderTest, NoKeysLeaveTheMapAsItWas) {
  const VersionKey keys[] = {VersionKey::FileVersion};
  VersionStrings strings = kStale;
  EXPECT_FALSE(VersionInfoReader().ReadStrings(ProgramPath(), nullptr, 1, strings));
  EXPECT_FALSE(VersionInfoReader().ReadStrings(ProgramPath(), keys, 0, strings));
  EXPECT_FALSE(VersionInfoReader().ReadStrings(ProgramPath(), keys, -1, strings));
  EXPECT_EQ(kStale, strings);
}

TEST(VersionInfoReaderTest, ValidKeysEmptyTheMapEvenWhenReadingFails) {
  const VersionKey keys[] = {VersionKey::FileVersion};
  VersionStrings strings = kStale;
  EXPECT_FALSE(VersionInfoReader().ReadStrings(ProgramFolder() + "missing.exe", keys, 1, strings));
  EXPECT_TRUE(strings.empty());
}

TEST(VersionTitleTest, CommaAndBlankBecomeAFullStop) {
  EXPECT_EQ("T - Version 2.2.2.1", ComposeVersionTitle("T", "2, 2, 2, 1"));
  EXPECT_EQ("T - Version 1,2.3", ComposeVersionTitle("T", "1,2, 3"));
  EXPECT_EQ("T - Version 4.  5", ComposeVersionTitle("T", "4,   5"));
  EXPECT_EQ("T - Version ", ComposeVersionTitle("T", ""));
}

TEST(VersionTitleTest, WindowTitleGetsTheProgramVersion) {
  HWND window = CreateWindowExA(0, "STATIC", kMainDialogCaption, WS_OVERLAPPED, 0, 0, 100, 100, nullptr, nullptr,
                                nullptr, nullptr);
  ASSERT_NE(nullptr, window);
  AppendVersionToTitle(window);
  char title[300] = {};
  GetWindowTextA(window, title, sizeof title);
  EXPECT_EQ(std::string(kMainDialogCaption) + " - Version 2.2.2.1", title);
  DestroyWindow(window);
}
