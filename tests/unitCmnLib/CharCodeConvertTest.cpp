// A thin layer over platform::Utf16 (tested there in depth): both
// directions are wired, and a refusal leaves the output alone.
#include "unitCmnLib/CharCodeConvert.h"

#include <gtest/gtest.h>

TEST(CharCodeConvert, RoundTripsAndRefusesMalformedText) {
  const std::string utf8 = "a\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80";  // a é € 😀
  std::u16string wide = u"old";
  ASSERT_TRUE(CharCodeConvert::utf8ToWide(utf8, wide));
  EXPECT_EQ((std::u16string{u'a', 0x00E9, 0x20AC, 0xD83D, 0xDE00}), wide);
  std::string back = "old";
  ASSERT_TRUE(CharCodeConvert::wideToUtf8(wide, back));
  EXPECT_EQ(utf8, back);
  EXPECT_TRUE(CharCodeConvert::isUtf8(utf8));

  EXPECT_FALSE(CharCodeConvert::isUtf8("a\x80"));
  EXPECT_FALSE(CharCodeConvert::utf8ToWide("\xC3", wide));
  EXPECT_FALSE(CharCodeConvert::wideToUtf8(std::u16string(1, char16_t(0xD800)), back));
  EXPECT_EQ(utf8, back);
}
