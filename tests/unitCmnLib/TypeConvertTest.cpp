#include "unitCmnLib/TypeConvert.h"

#include <gtest/gtest.h>

#include <clocale>
#include <climits>
#include <locale>

#include "support/RaisedComment.h"

namespace {

// A numeric format with a comma as decimal point.
struct CommaPoint : std::numpunct<char> {
  char do_decimal_point() const override { return ','; }
};

}  // namespace

TEST(TypeConvert, IntegersParseLikeTheStandardFunctions) {
  EXPECT_EQ(42, TypeConvert::toInt("  42abc"));
  EXPECT_EQ(INT_MIN, TypeConvert::toInt("-2147483648"));
  EXPECT_EQ("invalid stoi argument", raisedComment([] { TypeConvert::toInt("abc"); }));
  EXPECT_EQ("stoi argument out of range", raisedComment([] { TypeConvert::toInt("2147483648"); }));
  EXPECT_EQ(LLONG_MAX, TypeConvert::toLongLong("9223372036854775807"));
  EXPECT_EQ("invalid stoll argument", raisedComment([] { TypeConvert::toLongLong("x1"); }));
  EXPECT_EQ("stoll argument out of range",
            raisedComment([] { TypeConvert::toLongLong("-9223372036854775809"); }));
  EXPECT_EQ(ULLONG_MAX, TypeConvert::toULongLong("-1"));  // wraps, as std::stoull
  EXPECT_EQ("invalid stoull argument", raisedComment([] { TypeConvert::toULongLong("-"); }));
  EXPECT_EQ("stoull argument out of range",
            raisedComment([] { TypeConvert::toULongLong("18446744073709551616"); }));
  EXPECT_EQ(123u, TypeConvert::toUInt("123abc"));
  EXPECT_EQ(0u, TypeConvert::toUInt("abc"));
}

TEST(TypeConvert, DoublesAndBooleans) {
  EXPECT_DOUBLE_EQ(1500.0, TypeConvert::toDouble(" 1.5e3mm"));
  EXPECT_EQ("invalid stod argument", raisedComment([] { TypeConvert::toDouble(",5"); }));
  EXPECT_EQ("stod argument out of range", raisedComment([] { TypeConvert::toDouble("1e400"); }));
  EXPECT_FLOAT_EQ(1.17f, TypeConvert::toFloat("1.17"));
  EXPECT_EQ("invalid stof argument", raisedComment([] { TypeConvert::toFloat("v1"); }));
  EXPECT_TRUE(TypeConvert::toBool("TRUE"));
  EXPECT_FALSE(TypeConvert::toBool("False"));
  for (const char* text : {"1", "yes", "", "true "})
    EXPECT_EQ("It is not a Boolean value.", raisedComment([&] { TypeConvert::toBool(text); }))
        << text;
}

TEST(TypeConvert, ToStringForms) {
  EXPECT_EQ("-5", TypeConvert::toString(-5));
  EXPECT_EQ("18446744073709551615", TypeConvert::toString(ULLONG_MAX));
  EXPECT_EQ("0.500000", TypeConvert::toString(0.5));
  EXPECT_EQ("2.000000", TypeConvert::toString(2.0));
  EXPECT_EQ("100000000000000000000.000000", TypeConvert::toString(1e20));
  EXPECT_EQ("true", TypeConvert::toString(true));
}

TEST(TypeConvert, IgnoresTheGlobalCppLocale) {
  const std::locale saved =
      std::locale::global(std::locale(std::locale::classic(), new CommaPoint));
  const std::string text = TypeConvert::toString(2.5);
  std::locale::global(saved);
  EXPECT_EQ("2.500000", text);
}

TEST(TypeConvert, IgnoresTheProcessCLocale) {
  const std::string saved = std::setlocale(LC_ALL, nullptr);
  const char* found = nullptr;
  for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "de_DE", "fr_FR.UTF-8", "fr_FR.utf8"})
    if (!found && std::setlocale(LC_ALL, name)) found = name;
  if (!found) GTEST_SKIP() << "no comma-decimal locale installed (locale -a)";
  const double parsed = TypeConvert::toDouble("2.5");
  const std::string text = TypeConvert::toString(2.5);
  std::setlocale(LC_ALL, saved.c_str());
  EXPECT_DOUBLE_EQ(2.5, parsed);
  EXPECT_EQ("2.500000", text);
}
