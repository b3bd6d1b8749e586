// The host's round trip through the shared library: jobs in as texts,
// every job's text back out through the size-then-copy protocol.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/LogCapture.h"
#include "support/TestFiles.h"
#include "unitCmnAlignmentJobPosition.h"

namespace {

class HostRoundTrip : public ::testing::Test {
 protected:
  void SetUp() override { p = CreateInstance(); }
  void TearDown() override { disposeInstance(p); }

  std::string textOf(int index) {
    uint64_t size = 0;
    EXPECT_TRUE(getAlignmentJobSize(p, index, &size));
    std::string text(size, '\0');
    EXPECT_TRUE(copyAlignmentJobParam(p, text.data(), size));
    return text;
  }

  int count() {
    int n = -1;
    return getAlignmentJobCount(p, &n) ? n : 0;
  }

  void* p = nullptr;
  LogCapture log;  // keeps expected error records out of the output
};

}  // namespace

TEST_F(HostRoundTrip, CurrentJobsComeBackByteForByte) {
  const std::string banner = exampleJob("banner_roll.ini");
  const std::string poster = exampleJob("poster_two_pages.ini");
  ASSERT_FALSE(banner.empty());
  addJob(p, banner.c_str());
  addJob(p, poster.c_str());
  EXPECT_EQ(count(), 2);
  EXPECT_EQ(textOf(0), banner);
  EXPECT_EQ(textOf(1), poster);
  EXPECT_EQ(textOf(0), banner);  // asking again gives the same text
}

TEST_F(HostRoundTrip, OlderJobsComeBackRaisedToTheCurrentVersion) {
  addJob(p, exampleJob("stickers_old.ini").c_str());
  const std::string text = textOf(0);
  EXPECT_NE(text.find("ParamVersion=\"1.17\"\n"), std::string::npos);
  EXPECT_NE(text.find("insertFFMarginMode=1\n"), std::string::npos);
  EXPECT_EQ(text.find("sendFfEveryPage"), std::string::npos);
  EXPECT_EQ(text.find("pageRegularly"), std::string::npos);
}

TEST_F(HostRoundTrip, UnreadableTextsAreStillAppendedAndLogged) {
  addJob(p, "this is not an ini file");
  addJob(p, "[Job]\nJobID=\"a\"\n[Job]\nJobID=\"b\"\n");  // duplicate section
  addJob(p, "");
  addJob(p, "[Job]\nParamVersion=\"abc\"\n");
  EXPECT_EQ(count(), 4);
  EXPECT_EQ(textOf(0), "");
  EXPECT_EQ(textOf(1), "");
  EXPECT_EQ(textOf(3), "[Job]\nParamVersion=\"abc\"\n");
  EXPECT_TRUE(log.contains(13, "duplicate section name"));
  EXPECT_TRUE(log.contains(13, "invalid stof argument"));
  // The instance keeps working.
  addJob(p, exampleJob("banner_roll.ini").c_str());
  EXPECT_EQ(textOf(4), exampleJob("banner_roll.ini"));
}

TEST_F(HostRoundTrip, SizeAndCopyEdgeCases) {
  addJob(p, exampleJob("label_rotated.ini").c_str());
  uint64_t size = 0;
  EXPECT_FALSE(getAlignmentJobSize(p, 1, &size));  // index == count
  EXPECT_FALSE(getAlignmentJobSize(p, -1, &size));
  EXPECT_EQ(size, 0u);
  char none[1] = {'x'};
  EXPECT_TRUE(copyAlignmentJobParam(p, none, 0));  // the kept text is empty
  EXPECT_TRUE(copyAlignmentJobParam(p, nullptr, 0));  // as malloc(0) may give

  ASSERT_TRUE(getAlignmentJobSize(p, 0, &size));
  std::vector<char> buffer(size + 1, '#');
  EXPECT_FALSE(copyAlignmentJobParam(p, buffer.data(), size + 1));
  EXPECT_FALSE(copyAlignmentJobParam(p, buffer.data(), size - 1));
  EXPECT_EQ(buffer[0], '#');  // nothing written on a wrong size
  EXPECT_FALSE(copyAlignmentJobParam(p, nullptr, size));
  EXPECT_TRUE(copyAlignmentJobParam(p, buffer.data(), size));
  EXPECT_EQ(buffer[size], '#');  // no terminating NUL
}

TEST_F(HostRoundTrip, ClearJobEmptiesJobsAndKeptText) {
  addJob(p, exampleJob("banner_roll.ini").c_str());
  uint64_t size = 0;
  ASSERT_TRUE(getAlignmentJobSize(p, 0, &size));
  clearJob(p);
  int n = 42;
  EXPECT_FALSE(getAlignmentJobCount(p, &n));
  EXPECT_EQ(n, 42);
  char buffer[1];
  EXPECT_FALSE(copyAlignmentJobParam(p, buffer, size));
  EXPECT_TRUE(copyAlignmentJobParam(p, buffer, 0));
}

TEST_F(HostRoundTrip, ValuesThatDoNotConvertAreReportedWithSectionAndKey) {
  addJob(p, "[Job]\nJobID=\"J\"\nParamVersion=\"1.17\"\n[Print]\nmediaCut=yes\n"
            "[Composite]\npages=abc\nscale=100.000000,50.000000\n");
  EXPECT_EQ(count(), 1);
  EXPECT_TRUE(log.contains(13, "job file section Print, key mediaCut: the value does not convert"));
  EXPECT_TRUE(log.contains(13, "Comment :It is not a Boolean value."));
  EXPECT_TRUE(log.contains(13, "job file section Composite, key pages"));
  EXPECT_TRUE(log.contains(13, "Comment :invalid stoi argument"));
  EXPECT_NE(textOf(0).find("mediaCut=yes\n"), std::string::npos);  // carried as written
}
