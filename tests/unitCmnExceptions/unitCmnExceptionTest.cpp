#include <gtest/gtest.h>

#include <cerrno>
#include <stdexcept>
#include <string>

#include "platform/LastError.h"
#include "unitCmnExceptions/unitCmnErrorReturn.h"
#include "unitCmnExceptions/unitCmnExceptions.h"
#include "unitCmnExceptions/unitCmnGuard.h"
#include "support/LogCapture.h"

namespace {

unitCmnException caught(void (*f)()) {
  try {
    f();
  } catch (const unitCmnException& e) {
    return e;
  }
  ADD_FAILURE() << "no unitCmnException";
  return unitCmnException(ErrorInfo{});
}

}  // namespace

TEST(unitCmnException, ComposesTheFourLineMessage) {
  platform::LastError::set(0);
  const auto e = unitCmnExceptions(3, nullptr, "a.cpp", 7, "abc").exception();
  EXPECT_EQ(e.message(), "ErrorCode :0x00000003\t\nLastErr :0x00000000\t\nInfo :\nComment :abc");
}

TEST(unitCmnException, CarriesLastErrorAndIsCopiedWhole) {
  platform::LastError::set(ENOENT);
  const auto original = unitCmnExceptions(5, nullptr, "dir/b.cpp", 42, "gone").exception();
  const unitCmnException copy = original;  // NOLINT: the copy is the point
  EXPECT_EQ(copy.errorCode(), 5u);
  EXPECT_EQ(copy.errorInfo().valid, 1);
  EXPECT_EQ(copy.errorInfo().lastError, static_cast<uint32_t>(ENOENT));
  EXPECT_STREQ(copy.sourceFile(), "dir/b.cpp");
  EXPECT_EQ(copy.sourceLine(), 42u);
  EXPECT_NE(copy.message().find("LastErr :0x00000002\t"), std::string::npos);
}

TEST(unitCmnException, CutsLongTextsToTheBlock) {
  const std::string longPath(400, 'p');
  const std::string longComment(2000, 'c');
  const auto e = unitCmnExceptions(3, nullptr, longPath.c_str(), 1, longComment).exception();
  EXPECT_EQ(std::string(e.sourceFile()), std::string(259, 'p'));
  EXPECT_EQ(std::string(e.comment()), std::string(1023, 'c'));
}

TEST(unitCmnGuard, ForeignExceptionsBecomeCodeThreeWithTheirMessage) {
  const auto fromStd = caught([] {
    unitCmnGuard::run(UNITCMN_SITE, []() -> int { throw std::runtime_error("disk full"); });
  });
  EXPECT_EQ(fromStd.errorCode(), 3u);
  EXPECT_STREQ(fromStd.comment(), "disk full");
  EXPECT_NE(std::string(fromStd.sourceFile()).find("unitCmnExceptionTest.cpp"), std::string::npos);
}

TEST(unitCmnGuard, EmptyStdMessageAndNonStdExceptionComposeAlike) {
  const auto fromStd = caught([] {
    unitCmnGuard::run(UNITCMN_SITE, [] { throw std::runtime_error(""); });
  });
  const auto fromInt = caught([] { unitCmnGuard::run(UNITCMN_SITE, [] { throw 42; }); });
  // The composed message carries no line, so the two read the same.
  EXPECT_EQ(fromStd.message(), fromInt.message());
  EXPECT_NE(fromStd.sourceLine(), fromInt.sourceLine());
  EXPECT_STREQ(fromInt.comment(), "");
}

namespace {
unsigned innermostLine = 0;
void level3() {
  unitCmnGuard::run(UNITCMN_SITE, [] {
    innermostLine = __LINE__;
    unitCmnGuard::raise(SourceSite{__FILE__, innermostLine, __func__}, "deep");
  });
}
void level2() { unitCmnGuard::run(UNITCMN_SITE, [] { level3(); }); }
void level1() { unitCmnGuard::run(UNITCMN_SITE, [] { level2(); }); }
}  // namespace

TEST(unitCmnGuard, RethrowThroughThreeLevelsKeepsTheInnermostSite) {
  const auto e = caught(level1);
  EXPECT_EQ(e.sourceLine(), innermostLine);
  EXPECT_STREQ(e.comment(), "deep");
}

TEST(unitCmnGuard, RunIoLogsReturnErrorsAndGoesOn) {
  LogCapture log;
  const int answer = unitCmnGuard::runIo(
      UNITCMN_SITE, []() -> int { throw unitCmnErrorReturn(3, "Key not found. key:a"); },
      [] { return -1; });
  EXPECT_EQ(answer, -1);
  EXPECT_TRUE(log.contains(13, "Comment :Key not found. key:a"));
}

TEST(unitCmnGuard, RunIoStillConvertsOtherExceptions) {
  const auto e = caught([] {
    unitCmnGuard::runIo(UNITCMN_SITE, [] { throw std::logic_error("x"); }, [] {});
  });
  EXPECT_STREQ(e.comment(), "x");
}

TEST(AbunitCmnReturn, MessageIsTheComment) {
  const unitCmnErrorReturn r(3, "bad value");
  const AbunitCmnReturn& base = r;
  EXPECT_EQ(base.message(), "Comment :bad value");
  EXPECT_EQ(base.errorCode(), 3u);
}
