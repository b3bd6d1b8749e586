#include <gtest/gtest.h>

#include "platform/Utf16.h"

using platform::Utf16;

TEST(Utf16, RoundTripsEveryEncodingLength) {
  // 1-, 2-, 3- and 4-byte sequences: "A", e-acute, euro sign, G clef.
  const std::string utf8 = "A\xC3\xA9\xE2\x82\xAC\xF0\x9D\x84\x9E";
  std::u16string wide;
  ASSERT_TRUE(Utf16::fromUtf8(utf8, wide));
  EXPECT_EQ(wide, (std::u16string{u'A', 0x00E9, 0x20AC, 0xD834, 0xDD1E}));
  std::string back;
  ASSERT_TRUE(Utf16::toUtf8(wide, back));
  EXPECT_EQ(back, utf8);
  EXPECT_TRUE(Utf16::fromUtf8("", wide));
  EXPECT_TRUE(wide.empty());
}

TEST(Utf16, MalformedTextFailsAndKeepsTheOutput) {
  // A lone continuation byte, a truncated sequence, an overlong slash, an
  // encoded surrogate, above U+10FFFF, a bad lead byte after valid text.
  for (const char* text :
       {"\x80", "\xC3", "\xC0\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80", "ok\xFF"}) {
    std::u16string wide = u"kept";
    EXPECT_FALSE(Utf16::fromUtf8(text, wide)) << text;
    EXPECT_EQ(wide, u"kept");
  }
  // Unpaired surrogates.
  std::string out = "kept";
  EXPECT_FALSE(Utf16::toUtf8(std::u16string{0xD834}, out));
  EXPECT_FALSE(Utf16::toUtf8(std::u16string{0xDD1E, u'a'}, out));
  EXPECT_FALSE(Utf16::toUtf8(std::u16string{0xD834, u'a'}, out));
  EXPECT_EQ(out, "kept");
}
