#include <JapaneseText.h>
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "data/TextUtil.h"

namespace {

std::vector<std::string> AllLines(const std::string& bytes) {
  std::istringstream in(bytes, std::ios::binary);
  std::vector<std::string> lines;
  std::string line;
  while (ReadLine(in, line)) lines.push_back(line);
  return lines;
}

TEST(TextUtilTest, SplitAtCutsAtTheFirstSeparatorAndTrimsOnlyBlanks) {
  SplitText parts = splitAt("  key : 3 : x  ", ":");
  EXPECT_EQ("key", parts.head);
  EXPECT_EQ("3 : x", parts.rest);

  parts = splitAt(" whole text ", ";");
  EXPECT_EQ("whole text", parts.head);
  EXPECT_EQ("", parts.rest);

  parts = splitAt("", ":");
  EXPECT_EQ("", parts.head);
  EXPECT_EQ("", parts.rest);

  parts = splitAt("\ta :\tb", ":");
  EXPECT_EQ("\ta", parts.head);
  EXPECT_EQ("\tb", parts.rest);

  const std::string colon = kDataFullWidthColon;
  const std::string sectionName =
      std::string(kTypeGlyphSheep) + " " + colon + kDataRankFirst + colon + " ";
  parts = splitAt(sectionName, colon);
  EXPECT_EQ(kTypeGlyphSheep, parts.head);
  EXPECT_EQ(std::string(kDataRankFirst) + colon, parts.rest);
}

TEST(TextUtilTest, NextTokenTakesFieldsSeparatedByBlankRuns) {
  std::string_view text = "key   name 10    ";
  EXPECT_EQ("key", nextToken(text));
  EXPECT_EQ("name 10", text);
  EXPECT_EQ("name", nextToken(text));
  EXPECT_EQ("10", nextToken(text));
  EXPECT_EQ("", text);
  EXPECT_EQ("", nextToken(text));
}

TEST(TextUtilTest, ReadDecimalIsLenientAndSaturates) {
  const struct {
    const char* text;
    std::int32_t value;
  } cases[] = {
      {"42", 42},
      {"+7", 7},
      {"-2", -2},
      {"12a", 12},
      {"a12", 0},
      {"", 0},
      {"-", 0},
      {"+-3", 0},
      {" 5", 0},
      {"0x1F", 0},
      {"2147483647", 2147483647},
      {"2147483648", 2147483647},
      {"99999999999", 2147483647},
      {"-2147483648", -2147483647 - 1},
      {"-2147483649", -2147483647 - 1},
      {"-99999999999", -2147483647 - 1},
      {"000000000000000000000000000000012", 12},
      {"99999999999999999999999999999999999999999999", 2147483647},
  };
  for (const auto& c : cases) EXPECT_EQ(c.value, ReadDecimal(c.text)) << '"' << c.text << '"';
}

TEST(TextUtilTest, ReadLineHandlesEveryLineEndAlike) {
  EXPECT_EQ((std::vector<std::string>{"a", "b", "", "c\rd", "", "x\r", "last"}),
            AllLines("a\r\nb\n\r\nc\rd\n\nx\r\r\nlast"));
  // A final CR without LF is no line end; 0x1A does not end the file.
  EXPECT_EQ((std::vector<std::string>{"end\r"}), AllLines("end\r"));
  EXPECT_EQ((std::vector<std::string>{"a\x1A"
                                      "b",
                                      "c"}),
            AllLines("a\x1A"
                     "b\r\nc\n"));
  EXPECT_EQ((std::vector<std::string>{""}), AllLines("\n"));
  EXPECT_TRUE(AllLines("").empty());
}

TEST(TextUtilTest, ReadLineHasNoLengthLimit) {
  const std::string longLine(3 * 1024 * 1024, 'x');
  EXPECT_EQ((std::vector<std::string>{longLine, "next"}), AllLines(longLine + "\r\nnext\r\n"));
}

}  // namespace
