#include <gtest/gtest.h>

#include <stdexcept>

#include "unitCmnExceptions/ExportedCall.h"
#include "unitCmnExceptions/unitCmnGuard.h"
#include "support/LogCapture.h"

namespace {
constexpr auto kEntry = ExportedCall::Entry::kRecord;
constexpr auto kNoEntry = ExportedCall::Entry::kNone;

bool operation(bool entry, bool answer) {
  return ExportedCall::run(UNITCMN_SITE, entry ? kEntry : kNoEntry, false,
                           [&] { return answer; });
}
}  // namespace

TEST(ExportedCall, WritesTheEntryRecordWhenAskedAndTheExitWithTheBoolResult) {
  LogCapture log;
  EXPECT_TRUE(operation(true, true));
  EXPECT_FALSE(operation(false, false));
  const auto records = log.records(10);
  ASSERT_EQ(records.size(), 3u);
  EXPECT_EQ(records[0].inOutType + records[0].message, "-->");
  EXPECT_EQ(records[1].inOutType + records[1].message, "<--1");
  EXPECT_EQ(records[2].inOutType + records[2].message, "<--0");
  EXPECT_NE(records[0].currentFunction.find("operation(bool, bool)"), std::string::npos);
  EXPECT_EQ(records[0].srcFile, "ExportedCallTest.cpp");
  EXPECT_EQ(records[0].messageId, "");
  EXPECT_TRUE(records[0].hasLoggerAttributes);
}

TEST(ExportedCall, ErrorsAreLoggedAndAnsweredWithTheFailValue) {
  LogCapture log;
  const bool answer = ExportedCall::run(UNITCMN_SITE, kNoEntry, true, []() -> bool {
    unitCmnGuard::raise(UNITCMN_SITE, "bad job");
  });
  EXPECT_TRUE(answer);  // the fail value given, whatever it is
  const auto errors = log.records(13);
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_EQ(errors[0].message, "ErrorCode :0x00000003\t\nLastErr :0x00000000\t\nInfo :\nComment :bad job");
  EXPECT_EQ(errors[0].inOutType, " ");
  EXPECT_EQ(log.records(10).back().message, "1");
}

TEST(ExportedCall, ForeignExceptionsAreLoggedAsCodeThree) {
  LogCapture log;
  ExportedCall::runVoid(UNITCMN_SITE, kEntry, [] { throw std::out_of_range("index 9"); });
  ExportedCall::runVoid(UNITCMN_SITE, kEntry, [] { throw "not an exception class"; });
  const auto errors = log.records(13);
  ASSERT_EQ(errors.size(), 2u);
  EXPECT_NE(errors[0].message.find("ErrorCode :0x00000003"), std::string::npos);
  EXPECT_NE(errors[0].message.find("Comment :index 9"), std::string::npos);
  EXPECT_NE(errors[1].message.find("Comment :"), std::string::npos);
  // void operations leave an empty exit message.
  for (const auto& r : log.records(10))
    if (r.inOutType == "<--") {
      EXPECT_EQ(r.message, "");
    }
}

TEST(ExportedCall, PointerResultsGiveNullOnFailure) {
  int value = 0;
  void* ok = ExportedCall::run(UNITCMN_SITE, kEntry, static_cast<void*>(nullptr),
                               [&] { return static_cast<void*>(&value); });
  void* failed = ExportedCall::run(UNITCMN_SITE, kEntry, static_cast<void*>(nullptr),
                                   []() -> void* { throw std::bad_alloc(); });
  EXPECT_EQ(ok, &value);
  EXPECT_EQ(failed, nullptr);
}
