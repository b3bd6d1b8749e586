#include "unitCmnParamIo/IniSectionDataEx.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "ParamIoTestSupport.h"
#include "support/LogCapture.h"
#include "unitCmnExceptions/unitCmnExceptions.h"
#include "unitCmnParamIo/IniParamGuard.h"

namespace {

constexpr int kError = 13;

std::string raw(const IniSectionDataEx& s, const std::string& key) {
  std::string out;
  EXPECT_TRUE(s.getValueNonDq(key, out));
  return out;
}

TEST(IniSectionDataEx, SetValueQuotesOnlyWhatIsMissing) {
  IniSectionDataEx s;
  s.setValue("plain", "abc");
  s.setValue("both", "\"abc\"");
  s.setValue("front", "\"abc");
  s.setValue("back", "abc\"");
  s.setValue("empty", "");
  s.setValue("literal", std::string("a b"));
  EXPECT_EQ(raw(s, "plain"), "\"abc\"");
  EXPECT_EQ(raw(s, "both"), "\"abc\"");
  EXPECT_EQ(raw(s, "front"), "\"abc\"");
  EXPECT_EQ(raw(s, "back"), "\"abc\"");
  EXPECT_EQ(raw(s, "empty"), "");
  EXPECT_EQ(raw(s, "literal"), "\"a b\"");
}

TEST(IniSectionDataEx, NonDqSetterAndNumbersStoreUnquoted) {
  IniSectionDataEx s;
  s.setValueNonDq("path", "C:/x");
  s.setValue("n", 3);
  s.setValue("flag", true);
  EXPECT_EQ(s.toString(), "path=C:/x\nn=3\nflag=true\n");
  int n = 0;
  EXPECT_TRUE(s.getValue("n", n));
  EXPECT_EQ(n, 3);
}

TEST(IniSectionDataEx, GetValueStripsOneQuoteFromEachEnd) {
  IniSectionDataEx s;
  s.setValueNonDq("q", "\"abc\"");
  s.setValueNonDq("twoQuotes", "\"\"");
  s.setValueNonDq("oneQuote", "\"");
  s.setValueNonDq("doubled", "\"\"x\"\"");
  s.setValueNonDq("bare", "abc");
  std::string out;
  EXPECT_TRUE(s.getValue("q", out));
  EXPECT_EQ(out, "abc");
  EXPECT_TRUE(s.getValue("twoQuotes", out));
  EXPECT_EQ(out, "");
  EXPECT_TRUE(s.getValue("oneQuote", out));
  EXPECT_EQ(out, "");
  EXPECT_TRUE(s.getValue("doubled", out));
  EXPECT_EQ(out, "\"x\"");
  EXPECT_TRUE(s.getValue("bare", out));
  EXPECT_EQ(out, "abc");
}

TEST(IniSectionDataEx, QuotedRoundTripGivesTheOriginalText) {
  IniSectionDataEx s;
  s.setValue("name", "Job 1");
  std::string out;
  ASSERT_TRUE(s.getValue("name", out));
  EXPECT_EQ(out, "Job 1");
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
  EXPECT_TRUE(log.contains(kError, "ParamIoINI getValue Key not found. key:none"));
  EXPECT_FALSE(log.contains(kError, "IniParam getValue error"));  // not a failure
}

TEST(IniParamGuard, FailureIsLoggedThenRaisedWithTheCaughtText) {
  LogCapture log;
  const std::string logText = IniParamGuard::setErrorText("k", "v");
  EXPECT_EQ(logText, "IniParam setValue error key:k value:v");
  EXPECT_EQ(IniParamGuard::getErrorText("k"), "IniParam getValue error key:k");

  EXPECT_EQ(raisedComment([&] {
              IniParamGuard::run(UNITCMN_SITE, logText, [] { throw std::runtime_error("boom"); });
            }),
            "boom");
  ASSERT_EQ(log.records(kError).size(), 1u);
  EXPECT_EQ(log.records(kError)[0].message, logText);

  // A unitCmnException's comment is carried over, not its four-line message.
  EXPECT_EQ(raisedComment([&] {
              IniParamGuard::run(UNITCMN_SITE, "x", [] {
                throw unitCmnExceptions::at(UNITCMN_SITE, "invalid stoi argument");
              });
            }),
            "invalid stoi argument");
}

TEST(IniParamGuard, SuccessPassesTheResultAndLogsNothing) {
  LogCapture log;
  EXPECT_EQ(IniParamGuard::run(UNITCMN_SITE, "never", [] { return 4; }), 4);
  EXPECT_TRUE(log.records(kError).empty());
}

}  // namespace
