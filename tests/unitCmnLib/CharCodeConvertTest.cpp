#include "unitCmnLib/CharCodeConvert.h"

#include <gtest/gtest.h>

TEST(CharCodeConvert, RoundTripsOneToFourByteCharacters) {
  const std::string utf8 = "a\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80";  // a é € 😀
  std::u16string wide = u"old";
  ASSERT_TRUE(CharCodeConvert::utf8ToWide(utf8, wide));
  EXPECT_EQ((std::u16string{u'a', 0x00E9, 0x20AC, 0xD83D, 0xDE00}), wide);
  std::string back = "old";
  ASSERT_TRUE(CharCodeConvert::wideToUtf8(wide, back));
  EXPECT_EQ(utf8, back);
}

TEST(CharCodeConvert, MalformedInputFailsAndKeepsTheOutput) {
  for (const char* bad : {"\xC3", "\xC0\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80", "a\x80"}) {
    std::u16string wide = u"kept";
    EXPECT_FALSE(CharCodeConvert::utf8ToWide(bad, wide));
    EXPECT_EQ(u"kept", wide);
  }
  std::string out = "kept";
  EXPECT_FALSE(CharCodeConvert::wideToUtf8(std::u16string(1, char16_t(0xD800)), out));
  EXPECT_FALSE(CharCodeConvert::wideToUtf8(std::u16string(1, char16_t(0xDE00)) + u"x", out));
  EXPECT_EQ("kept", out);
}
