#include <gtest/gtest.h>

#include <boost/log/core.hpp>
#include <boost/log/expressions.hpp>

#include "support/LogCapture.h"
#include "unitCmnExceptions/KvnCmnLog.h"

namespace {
namespace logging = boost::log;

// Leaves the core as every other test finds it: enabled, no filter.
struct CoreRestore {
  ~CoreRestore() {
    logging::core::get()->set_logging_enabled(true);
    logging::core::get()->reset_filter();
  }
};
}  // namespace

TEST(KvnCmnLog, AcceptsASeverityOnlyWhereARecordOfItWouldBeKept) {
  LogCapture log;
  CoreRestore restore;
  EXPECT_TRUE(KvnCmnLog::accepts(KvnCmnLog::trace));

  const auto severity = logging::expressions::attr<KvnCmnLog::severity_level>("Severity");
  logging::core::get()->set_filter(severity >= KvnCmnLog::error);
  EXPECT_FALSE(KvnCmnLog::accepts(KvnCmnLog::trace));
  EXPECT_TRUE(KvnCmnLog::accepts(KvnCmnLog::error));

  logging::core::get()->reset_filter();
  logging::core::get()->set_logging_enabled(false);
  EXPECT_FALSE(KvnCmnLog::accepts(KvnCmnLog::error));
  EXPECT_TRUE(log.records().empty());  // asking writes nothing
}
