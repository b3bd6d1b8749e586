#include "unitCmnParamIo/IniSectionDataEx.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "support/LogCapture.h"
#include "support/RaisedComment.h"
#include "unitCmnExceptions/unitCmnExceptions.h"
#include "unitCmnParamIo/IniParamGuard.h"

namespace {

std::string raw(const IniSectionDataEx& s, const std::string& key) {
  std::string out;
  EXPECT_TRUE(s.getValueNonDq(key, out));
  return out;
}

TEST(IniSectionDataEx, SetValueQuotesOnlyWhatIsMissing) {
  // Value set, raw text stored.
  const std::pair<const char*, const char*> cases[] = {{"abc", "\"abc\""},
                                                       {"\"abc\"", "\"abc\""},
                                                       {"\"abc", "\"abc\""},
                                                       {"abc\"", "\"abc\""},
                                                       {"", ""}};
  for (const auto& c : cases) {
    IniSectionDataEx s;
    s.setValue("key", c.first);
    EXPECT_EQ(raw(s, "key"), c.second) << c.first;
  }
  IniSectionDataEx s;
  s.setValue("literal", std::string("a b"));
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
  // Raw text stored, value got.
  const std::pair<const char*, const char*> cases[] = {
      {"\"abc\"", "abc"}, {"\"\"", ""}, {"\"", ""}, {"\"\"x\"\"", "\"x\""}, {"abc", "abc"}};
  for (const auto& c : cases) {
    IniSectionDataEx s;
    s.setValueNonDq("key", c.first);
    std::string out;
    EXPECT_TRUE(s.getValue("key", out)) << c.first;
    EXPECT_EQ(out, c.second) << c.first;
  }
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
  EXPECT_TRUE(log.contains(kLogError, "ParamIoINI getValue Key not found. key:none"));
  EXPECT_FALSE(log.contains(kLogError, "IniParam getValue error"));  // not a failure
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
  ASSERT_EQ(log.records(kLogError).size(), 1u);
  EXPECT_EQ(log.records(kLogError)[0].message, logText);

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
  EXPECT_TRUE(log.records(kLogError).empty());
}

}  // namespace
