// The shared library as a host process loads it.
#include <gtest/gtest.h>

#include <dlfcn.h>

#include <csignal>

#include "support/LogCapture.h"
#include "unitCmnAlignmentJobPosition.h"

TEST(LibraryLoad, InstallsTheFaultTranslatorWhenLoaded) {
  // Linked at start-up: the load hook has run before main.
  struct sigaction current {};
  sigaction(SIGSEGV, nullptr, &current);
  EXPECT_TRUE(current.sa_flags & SA_SIGINFO);
  EXPECT_NE(current.sa_handler, SIG_DFL);
}

TEST(LibraryLoad, RecordsReachASinkTheHostAdds) {
  LogCapture log;
  void* p = CreateInstance();
  ASSERT_NE(p, nullptr);
  EXPECT_TRUE(init(p, 0, 0, 0, false, 100, -1, 0, 0));
  disposeInstance(p);
  const auto records = log.records(10);
  ASSERT_EQ(records.size(), 6u);
  EXPECT_NE(records[2].currentFunction.find("AlignmentJobPositionDll::init("), std::string::npos);
  EXPECT_EQ(records[3].message, "1");
  EXPECT_TRUE(records[3].hasLoggerAttributes);
}
