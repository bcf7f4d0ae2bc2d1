#include <gtest/gtest.h>

#include <JapaneseText.h>

#include "app/PictureText.h"

// The title leaves out what is empty. The file name replaces what Windows
// forbids in names, but keeps whole a Shift-JIS character whose second byte
// is a backslash.
TEST(PictureTextTest, TitleAndFileNameNameTheSelection) {
  const std::string so = "\x83\x5C";
  PictureSubject subject{"a<b>:\"c", so + "/\\|?*\t", {}};
  EXPECT_EQ("a_b___c_" + so + "______.png", PictureFileName(subject));
  EXPECT_EQ(subject.type + kPictureTitleSeparator + subject.job, PictureTitle(subject));
  subject = {"", "", {kDataAttributeWater, kDataAttributeLight}};
  EXPECT_EQ(std::string(kDataAttributeWater) + kPictureAttributeSeparator + kDataAttributeLight,
            PictureTitle(subject));
}
