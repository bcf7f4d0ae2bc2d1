#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "data/TextUtil.h"

namespace {

using Lines = std::vector<std::string>;

TEST(TextUtilTest, ReadDecimalIsLenientAndSaturates) {
  const std::int32_t kMax = 2147483647, kMin = -kMax - 1;
  const struct {
    const char* text;
    std::int32_t value;
  } cases[] = {
      {"+7", 7},
      {"-2", -2},
      {"12a", 12},
      {"a12", 0},
      {"", 0},
      {"+-3", 0},
      {" 5", 0},
      {"2147483648", kMax},
      {"-2147483649", kMin},
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
      {"a\x1A"
       "b\r\nc\n",
       {"a\x1A"
        "b",
        "c"}},  // 0x1A does not end the file
      {"", {}},
      {longLine + "\r\nnext\r\n", {longLine, "next"}},
  };
  for (const auto& c : cases) {
    LineCutter cutter(c.bytes);
    Lines lines;
    for (std::string_view line; cutter.Next(line);) lines.emplace_back(line);
    EXPECT_EQ(c.lines, lines) << c.bytes.substr(0, 40);
  }
}

}  // namespace
