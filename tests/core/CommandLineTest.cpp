#include <gtest/gtest.h>

#include "app/CommandLine.h"

TEST(CommandLineTest, TheFirstArgumentIsTakenQuotedOrBare) {
  const struct {
    const char* arguments;
    const char* first;
  } lines[] = {{"\"D:\\my plans\\a.vx3\" -extra", "D:\\my plans\\a.vx3"},
               {" \t D:\\a.vx3 b.vx3", "D:\\a.vx3"},
               {"\"unclosed name", "unclosed name"}};
  for (const auto& line : lines)
    EXPECT_EQ(line.first, FirstArgument(line.arguments)) << line.arguments;
  EXPECT_EQ("", FirstArgument(nullptr));
}
