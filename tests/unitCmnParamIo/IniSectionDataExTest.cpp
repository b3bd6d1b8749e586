#include "unitCmnParamIo/IniSectionDataEx.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "support/LogCapture.h"
#include "support/RaisedComment.h"
#include "unitCmnExceptions/unitCmnExceptions.h"
#include "unitCmnParamIo/IniParamGuard.h"

namespace {

TEST(IniSectionDataEx, TextValuesAreQuotedOnceAndUnquotedOnce) {
  // Value set, raw text stored: only the missing quotes are added.
  const std::pair<const char*, const char*> stored[] = {
      {"abc", "\"abc\""}, {"\"abc\"", "\"abc\""}, {"\"abc", "\"abc\""},
      {"abc\"", "\"abc\""}, {"", ""}};
  for (const auto& c : stored) {
    IniSectionDataEx s;
    s.setValue("key", std::string(c.first));
    std::string raw;
    EXPECT_TRUE(s.getValueNonDq("key", raw));
    EXPECT_EQ(raw, c.second) << c.first;
  }
  // Raw text stored, value got: one quote stripped from each end.
  const std::pair<const char*, const char*> got[] = {
      {"\"abc\"", "abc"}, {"\"\"", ""}, {"\"", ""}, {"\"\"x\"\"", "\"x\""}, {"abc", "abc"}};
  for (const auto& c : got) {
    IniSectionDataEx s;
    s.setValueNonDq("key", c.first);
    std::string out;
    EXPECT_TRUE(s.getValue("key", out)) << c.first;
    EXPECT_EQ(out, c.second) << c.first;
  }
}

TEST(IniSectionDataEx, LiteralsAreQuotedNumbersAndNonDqTextAreNot) {
  IniSectionDataEx s;
  s.setValue("literal", "a b");
  s.setValueNonDq("path", "C:/x");
  s.setValue("n", 3);
  s.setValue("flag", true);
  EXPECT_EQ(s.toString(), "literal=\"a b\"\npath=C:/x\nn=3\nflag=true\n");
}

TEST(IniSectionDataEx, MissingKeyIsFalseWithEmptyOutput) {
  LogCapture log;
  IniSectionDataEx s;
  std::string out = "old";
  EXPECT_FALSE(s.getValue("none", out));
  EXPECT_EQ(out, "");
  out = "old";
  EXPECT_FALSE(s.getValueNonDq("none", out));
  EXPECT_EQ(out, "");
  EXPECT_TRUE(log.contains(kLogError, "ParamIoINI getValue Key not found. key:none"));
  EXPECT_FALSE(log.contains(kLogError, "IniParam getValue error"));  // not a failure
}

TEST(IniParamGuard, FailureIsLoggedThenRaisedWithTheCaughtText) {
  LogCapture log;
  const std::string logText = IniParamGuard::setErrorText("k", "v");
  EXPECT_EQ(logText, "IniParam setValue error key:k value:v");
  EXPECT_EQ(IniParamGuard::getErrorText("k"), "IniParam getValue error key:k");
  int made = 0;  // a callable line is made only on failure
  const auto makeLine = [&] { return ++made, logText; };
  EXPECT_EQ(IniParamGuard::run(UNITCMN_SITE, makeLine, [] { return 4; }), 4);
  EXPECT_EQ(made, 0);
  EXPECT_TRUE(log.records(kLogError).empty());

  EXPECT_EQ(raisedComment([&] {
              IniParamGuard::run(UNITCMN_SITE, makeLine, [] { throw std::runtime_error("boom"); });
            }),
            "boom");
  EXPECT_EQ(made, 1);
  ASSERT_EQ(log.records(kLogError).size(), 1u);
  EXPECT_EQ(log.records(kLogError)[0].message, logText);

  // A unitCmnException's comment is carried over, not its four-line message.
  EXPECT_EQ(raisedComment([&] {
              IniParamGuard::run(UNITCMN_SITE, [] { return std::string("x"); }, [] {
                throw unitCmnExceptions::at(UNITCMN_SITE, "invalid stoi argument");
              });
            }),
            "invalid stoi argument");
}

}  // namespace
