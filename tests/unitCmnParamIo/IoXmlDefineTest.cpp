#include "unitCmnParamIo/IoXmlDefine.h"

#include <gtest/gtest.h>

#include "ParamIoTestSupport.h"

namespace {

using Attributes = std::vector<IoXmlDefine::Attribute>;

TEST(IoXmlDefineValue, SettersWriteTheTextForms) {
  IoXmlDefine define("A.B");
  define.setValue(-42);
  EXPECT_EQ(define.value(), "-42");
  define.setValue(4000000000u);
  EXPECT_EQ(define.value(), "4000000000");
  define.setValue(0.5);
  EXPECT_EQ(define.value(), "0.500000");
  define.setValue(-1.0 / 3.0);
  EXPECT_EQ(define.value(), "-0.333333");
  define.setValue(true);
  EXPECT_EQ(define.value(), "true");
  define.setValue(false);
  EXPECT_EQ(define.value(), "false");
  define.setValue("literal");  // a literal is text, not a bool
  EXPECT_EQ(define.value(), "literal");
  define.setValue(std::string("a < b"));
  EXPECT_EQ(define.value(), "a < b");
  EXPECT_EQ(define.getName(), "A.B");
}

TEST(IoXmlDefineValue, GettersConvertTheText) {
  IoXmlDefine define;
  define.setValue(" 17mm");
  int i = 0;
  define.getValue(i);
  EXPECT_EQ(i, 17);  // leading blanks skipped, trailing text ignored

  define.setValue("2.25");
  double d = 0;
  define.getValue(d);
  EXPECT_DOUBLE_EQ(d, 2.25);

  define.setValue("TRUE");
  bool b = false;
  define.getValue(b);
  EXPECT_TRUE(b);

  define.setValue("123");
  unsigned int u = 0;
  define.getValue(u);
  EXPECT_EQ(u, 123u);

  std::string text = "old";
  define.getValue(text);
  EXPECT_EQ(text, "123");
}

TEST(IoXmlDefineValue, FailedConversionRaisesAndLeavesZero) {
  IoXmlDefine define;
  define.setValue("abc");

  int i = 99;
  EXPECT_EQ(raisedComment([&] { define.getValue(i); }), "invalid stoi argument");
  EXPECT_EQ(i, 0);

  double d = 9.5;
  EXPECT_EQ(raisedComment([&] { define.getValue(d); }), "invalid stod argument");
  EXPECT_EQ(d, 0.0);

  bool b = true;
  define.setValue("1");
  EXPECT_EQ(raisedComment([&] { define.getValue(b); }), "It is not a Boolean value.");
  EXPECT_FALSE(b);

  define.setValue("99999999999");
  EXPECT_EQ(raisedComment([&] { define.getValue(i); }), "stoi argument out of range");
  EXPECT_EQ(i, 0);
}

TEST(IoXmlDefineValue, UnsignedReadingOfNonNumberGivesZero) {
  // The unsigned conversion reads a number from the start of the text and
  // gives 0 when there is none.
  IoXmlDefine define;
  define.setValue("abc");
  unsigned int u = 7;
  EXPECT_NO_THROW(define.getValue(u));
  EXPECT_EQ(u, 0u);
}

TEST(IoXmlDefineAttributes, ReplaceInPlaceAppendNewAtEnd) {
  IoXmlDefine define("Root");
  define.setAttribute("z", "1");
  define.setAttribute("a", "2");
  define.setAttribute("m", "3");
  define.setAttribute("a", "changed");
  EXPECT_EQ(define.attributes(), (Attributes{{"z", "1"}, {"a", "changed"}, {"m", "3"}}));

  std::string out = "stale";
  EXPECT_TRUE(define.getAttribute("m", out));
  EXPECT_EQ(out, "3");
  EXPECT_FALSE(define.getAttribute("missing", out));
  EXPECT_EQ(out, "");
  EXPECT_FALSE(define.getAttribute("Z", out));  // names are case-sensitive
}

}  // namespace
