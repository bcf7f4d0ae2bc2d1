#include <JapaneseText.h>
#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "data/TextUtil.h"

namespace {

using Lines = std::vector<std::string>;

Lines AllLines(const std::string& bytes) {
  LineCutter cutter(bytes);
  Lines lines;
  std::string_view line;
  while (cutter.Next(line)) lines.emplace_back(line);
  return lines;
}

TEST(TextUtilTest, SplitAtCutsAtTheFirstSeparatorAndTrimsOnlyBlanks) {
  const std::string colon = kDataFullWidthColon;
  const struct {
    std::string text, separator, head, rest;
  } cases[] = {
      {"  key : 3 : x  ", ":", "key", "3 : x"},
      {" whole text ", ";", "whole text", ""},
      {"", ":", "", ""},
      {"\ta :\tb", ":", "\ta", "\tb"},
      {std::string(kTypeGlyphSheep) + " " + colon + kDataRankFirst + colon + " ", colon,
       kTypeGlyphSheep, kDataRankFirst + colon},
  };
  for (const auto& c : cases) {
    const SplitText parts = splitAt(c.text, c.separator);
    EXPECT_EQ(c.head, parts.head) << '"' << c.text << '"';
    EXPECT_EQ(c.rest, parts.rest) << '"' << c.text << '"';
  }

  std::string_view text = "key   name 10    ";
  EXPECT_EQ("key", nextToken(text));
  EXPECT_EQ("name 10", text);
  EXPECT_EQ("name", nextToken(text));
  EXPECT_EQ("10", nextToken(text));
  EXPECT_EQ("", text);
  EXPECT_EQ("", nextToken(text));
}

TEST(TextUtilTest, ReadDecimalIsLenientAndSaturates) {
  const std::int32_t kMax = 2147483647, kMin = -kMax - 1;
  const struct {
    const char* text;
    std::int32_t value;
  } cases[] = {
      {"42", 42}, {"+7", 7}, {"-2", -2}, {"12a", 12}, {"a12", 0}, {"", 0}, {"-", 0}, {"+-3", 0},
      {" 5", 0}, {"0x1F", 0}, {"2147483647", kMax}, {"2147483648", kMax}, {"99999999999", kMax},
      {"-2147483648", kMin}, {"-2147483649", kMin}, {"-99999999999", kMin},
      {"000000000000000000000000000000012", 12},
      {"99999999999999999999999999999999999999999999", kMax},
  };
  for (const auto& c : cases) EXPECT_EQ(c.value, ReadDecimal(c.text)) << '"' << c.text << '"';
}

TEST(TextUtilTest, LineCutterHandlesEveryLineEndAlikeAtAnyLength) {
  const std::string longLine(3 * 1024 * 1024, 'x');
  const struct {
    std::string bytes;
    Lines lines;
  } cases[] = {
      {"a\r\nb\n\r\nc\rd\n\nx\r\r\nlast", {"a", "b", "", "c\rd", "", "x\r", "last"}},
      {"end\r", {"end\r"}},  // a final CR without LF is no line end
      {"a\x1A" "b\r\nc\n", {"a\x1A" "b", "c"}},  // 0x1A does not end the file
      {"\n", {""}},
      {"", {}},
      {longLine + "\r\nnext\r\n", {longLine, "next"}},
  };
  for (const auto& c : cases) EXPECT_EQ(c.lines, AllLines(c.bytes)) << c.bytes.substr(0, 40);
}

}  // namespace
