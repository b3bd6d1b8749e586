#include "unitCmnParamIo/IoXmlDefine.h"

#include <gtest/gtest.h>

#include <tuple>

#include "support/RaisedComment.h"

namespace {

using Attributes = std::vector<IoXmlDefine::Attribute>;

// The text a value is stored as, over an earlier value.
template <class T>
std::string written(const T& value) {
  IoXmlDefine define("A.B");
  define.setValue("earlier");
  define.setValue(value);
  return define.value();
}

// The text read back as the type of start, which it replaces.
template <class T>
T converted(const std::string& text, T start) {
  IoXmlDefine define;
  define.setValue(text);
  define.getValue(start);
  return start;
}

TEST(IoXmlDefineValue, SettersWriteTheTextForms) {
  EXPECT_EQ(written(-42), "-42");
  EXPECT_EQ(written(4000000000u), "4000000000");
  EXPECT_EQ(written(0.5), "0.500000");
  EXPECT_EQ(written(-1.0 / 3.0), "-0.333333");
  EXPECT_EQ(written(true), "true");
  EXPECT_EQ(written(false), "false");
  EXPECT_EQ(written("literal"), "literal");  // a literal is text, not a bool
  EXPECT_EQ(written(std::string("a < b")), "a < b");
  EXPECT_EQ(IoXmlDefine("A.B").getName(), "A.B");
}

TEST(IoXmlDefineValue, GettersConvertTheText) {
  EXPECT_EQ(converted(" 17mm", 0), 17);  // leading blanks skipped, trailing text ignored
  EXPECT_DOUBLE_EQ(converted("2.25", 0.0), 2.25);
  EXPECT_TRUE(converted("TRUE", false));
  EXPECT_EQ(converted("123", 0u), 123u);
  EXPECT_EQ(converted("abc", 7u), 0u);  // no number: zero, nothing raised
  EXPECT_EQ(converted("123", std::string("old")), "123");
}

// A failed conversion raises the conversion's message and leaves zero.
TEST(IoXmlDefineValue, FailedConversionRaisesAndLeavesZero) {
  IoXmlDefine define;
  int i = 99;
  double d = 9.5;
  bool b = true;
  define.setValue("abc");
  EXPECT_EQ(raisedComment([&] { define.getValue(i); }), "invalid stoi argument");
  EXPECT_EQ(raisedComment([&] { define.getValue(d); }), "invalid stod argument");
  define.setValue("1");
  EXPECT_EQ(raisedComment([&] { define.getValue(b); }), "It is not a Boolean value.");
  EXPECT_EQ(std::make_tuple(i, d, b), std::make_tuple(0, 0.0, false));
  i = 99;
  define.setValue("99999999999");
  EXPECT_EQ(raisedComment([&] { define.getValue(i); }), "stoi argument out of range");
  EXPECT_EQ(i, 0);
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
