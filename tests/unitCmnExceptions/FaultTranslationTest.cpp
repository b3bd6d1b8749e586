// Processor faults inside an exported call become logged errors and a false
// answer; faults elsewhere still reach the host's own handler.
#include <gtest/gtest.h>

#include <csetjmp>
#include <csignal>
#include <cstdint>
#include <thread>

#include "platform/FaultTranslator.h"
#include "unitCmnExceptions/ExportedCall.h"
#include "unitCmnExceptions/unitCmnExceptions.h"
#include "support/LogCapture.h"
#include "support/Sanitizer.h"

namespace {

// Opaque to the optimiser, so the faulting accesses really happen.
int* volatile nullPointer = nullptr;
int* volatile lowAddress = reinterpret_cast<int*>(0x10);
volatile int zero = 0;

int touch(int* p) { return *static_cast<volatile int*>(p); }

bool readsNull() {
  return ExportedCall::run(UNITCMN_SITE, ExportedCall::Entry::kNone, false,
                           [] { return *nullPointer == 1; });
}

// These tests fault on purpose (null and low addresses, division by zero).
// Under a sanitizer the sanitizer reports them first and owns the fault
// signals, so they skip there.
#define SKIP_UNDER_SANITIZER()                                                              \
  if (kSanitizer != nullptr)                                                                \
  GTEST_SKIP() << "deliberate faults: the " << kSanitizer << " sanitizer reports them first"

class FaultTranslation : public ::testing::Test {
 protected:
  void SetUp() override {
    SKIP_UNDER_SANITIZER();
    ASSERT_TRUE(platform::FaultTranslator::install(&unitCmnExceptions::throwFault));
  }
  void TearDown() override { platform::FaultTranslator::uninstall(); }
  LogCapture log;
};

}  // namespace

TEST_F(FaultTranslation, ReadsWritesAndDivisionsByZeroAreAnsweredFalseAndLogged) {
  EXPECT_FALSE(readsNull());
  EXPECT_FALSE(ExportedCall::run(UNITCMN_SITE, ExportedCall::Entry::kNone, false, [] {
    *lowAddress = 1;
    return true;
  }));
  EXPECT_FALSE(ExportedCall::run(UNITCMN_SITE, ExportedCall::Entry::kNone, false,
                                 [] { return 10 / zero == 1; }));
  const auto errors = log.records(13);
  ASSERT_EQ(errors.size(), 3u);
  EXPECT_NE(errors[0].message.find("Info :The instruction at 0x"), std::string::npos);
  EXPECT_NE(errors[0].message.find("referenced memory at 0x0. The memory could not be read."),
            std::string::npos)
      << errors[0].message;
  EXPECT_NE(errors[1].message.find("referenced memory at 0x10. The memory could not be write."),
            std::string::npos);
  EXPECT_NE(errors[2].message.find("Info :Address : 0x"), std::string::npos);
}

TEST_F(FaultTranslation, TheThreadStaysUsableAfterRepeatedFaults) {
  // A blocked signal after the first fault would kill the process here.
  for (int i = 0; i < 3; ++i) EXPECT_FALSE(readsNull());
  EXPECT_EQ(log.records(13).size(), 3u);
}

TEST_F(FaultTranslation, WorksOnEveryCallingThread) {
  bool answers[2] = {true, true};
  std::thread first([&] { answers[0] = readsNull(); });
  std::thread second([&] { answers[1] = readsNull(); });
  first.join();
  second.join();
  EXPECT_FALSE(answers[0]);
  EXPECT_FALSE(answers[1]);
}

namespace {
sigjmp_buf hostJump;
volatile sig_atomic_t hostHandlerRan = 0;
void hostHandler(int) {
  hostHandlerRan = 1;
  siglongjmp(hostJump, 1);
}
class FaultTranslationChain : public ::testing::Test {
 protected:
  void SetUp() override { SKIP_UNDER_SANITIZER(); }
};

}  // namespace

TEST_F(FaultTranslationChain, FaultsOutsideCallsReachTheHostsHandler) {
  struct sigaction host {}, saved {};
  host.sa_handler = hostHandler;
  sigemptyset(&host.sa_mask);
  host.sa_flags = SA_NODEFER;
  sigaction(SIGSEGV, &host, &saved);
  ASSERT_TRUE(platform::FaultTranslator::install(&unitCmnExceptions::throwFault));
  hostHandlerRan = 0;
  if (sigsetjmp(hostJump, 1) == 0) {
    touch(nullPointer);  // not inside an exported call
  }
  platform::FaultTranslator::uninstall();
  sigaction(SIGSEGV, &saved, nullptr);
  EXPECT_EQ(hostHandlerRan, 1);
}

TEST_F(FaultTranslationChain, FaultsOutsideCallsStillKillTheProcessByDefault) {
  EXPECT_EXIT(
      {
        platform::FaultTranslator::install(&unitCmnExceptions::throwFault);
        touch(nullPointer);
      },
      ::testing::KilledBySignal(SIGSEGV), "");
}

TEST_F(FaultTranslationChain, UninstallRestoresThePreviousHandler) {
  struct sigaction before {}, after {};
  sigaction(SIGSEGV, nullptr, &before);
  platform::FaultTranslator::install(&unitCmnExceptions::throwFault);
  EXPECT_TRUE(platform::FaultTranslator::installed());
  platform::FaultTranslator::uninstall();
  sigaction(SIGSEGV, nullptr, &after);
  EXPECT_EQ(before.sa_handler, after.sa_handler);
  EXPECT_FALSE(platform::FaultTranslator::installed());
}

TEST_F(FaultTranslationChain, InstallingAgainTakesOverAHandlerSetSinceAndChainsToIt) {
  struct sigaction saved {};
  sigaction(SIGSEGV, nullptr, &saved);
  ASSERT_TRUE(platform::FaultTranslator::install(&unitCmnExceptions::throwFault));
  struct sigaction host {};
  host.sa_handler = hostHandler;
  sigemptyset(&host.sa_mask);
  host.sa_flags = SA_NODEFER;
  sigaction(SIGSEGV, &host, nullptr);  // the host replaces ours after load
  ASSERT_TRUE(platform::FaultTranslator::install(&unitCmnExceptions::throwFault));
  struct sigaction current {};
  sigaction(SIGSEGV, nullptr, &current);
  EXPECT_TRUE(current.sa_flags & SA_SIGINFO);  // ours again
  hostHandlerRan = 0;
  if (sigsetjmp(hostJump, 1) == 0) touch(nullPointer);  // outside a call
  EXPECT_EQ(hostHandlerRan, 1);
  platform::FaultTranslator::uninstall();
  sigaction(SIGSEGV, &saved, nullptr);
}
