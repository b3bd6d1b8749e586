#include <gtest/gtest.h>

#include <cerrno>
#include <thread>

#include "platform/FaultScope.h"
#include "platform/LastError.h"

using platform::FaultScope;

TEST(FaultScope, NestsAndIsPerThread) {
  EXPECT_FALSE(FaultScope::active());
  {
    FaultScope outer;
    {
      FaultScope inner;
      EXPECT_TRUE(FaultScope::active());
    }
    EXPECT_TRUE(FaultScope::active());
    bool otherThreadActive = true;
    std::thread([&] { otherThreadActive = FaultScope::active(); }).join();
    EXPECT_FALSE(otherThreadActive);
  }
  EXPECT_FALSE(FaultScope::active());
}

TEST(LastError, IsTheThreadsErrno) {
  platform::LastError::set(ENOENT);
  EXPECT_EQ(platform::LastError::get(), static_cast<uint32_t>(ENOENT));
  errno = 0;
  EXPECT_EQ(platform::LastError::get(), 0u);
}
