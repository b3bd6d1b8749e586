// jobpos arrange run as an operator runs it, checked against what the
// library answers for the same inputs when called directly.
#include <cstdio>
#include <set>

#include "JobposHarness.h"

using namespace jobpos_test;

namespace {

class JobposArrangeExamples : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    scratch = new Scratch;
    std::vector<std::string> args = {"arrange", "--kind", "1", "--width", "1600", "--length",
                                     "-1", "--gap", "5,5", "--out",
                                     (scratch->path / "jobs").string(), "--svg",
                                     (scratch->path / "layout.svg").string()};
    for (const auto& f : examples()) args.push_back(f);
    run = new ToolRun(runJobpos(args, *scratch));
    expected = new Expected(arrangeDirectly(1, 5, 5, 1600, -1, examples()));
  }
  static void TearDownTestSuite() {
    delete run;
    delete expected;
    delete scratch;
  }

  static Scratch* scratch;
  static ToolRun* run;
  static Expected* expected;
};

Scratch* JobposArrangeExamples::scratch = nullptr;
ToolRun* JobposArrangeExamples::run = nullptr;
Expected* JobposArrangeExamples::expected = nullptr;

}  // namespace

TEST_F(JobposArrangeExamples, WritesEveryJobAsTheLibraryReturnsIt) {
  ASSERT_EQ(run->status, 0) << run->err;
  ASSERT_TRUE(expected->answered);
  ASSERT_EQ(expected->texts.size(), examples().size());
  for (size_t i = 0; i < examples().size(); ++i) {
    const fs::path written = scratch->path / "jobs" / fs::path(examples()[i]).filename();
    EXPECT_EQ(fileText(written), expected->texts[i]) << written;
  }
  // Only the job files: no temporary left behind.
  size_t files = 0;
  for (const auto& entry : fs::directory_iterator(scratch->path / "jobs")) {
    (void)entry;
    ++files;
  }
  EXPECT_EQ(files, examples().size());
}

TEST_F(JobposArrangeExamples, PrintsTheRectangleOfSheetOneAndEverySheet) {
  char line[200];
  std::snprintf(line, sizeof line, "rectangle of sheet 1: x=%.3f y=%.3f width=%.3f height=%.3f mm",
                expected->x, expected->y, expected->width, expected->height);
  EXPECT_NE(run->out.find(line), std::string::npos) << run->out;
  const auto listed = listedUnits(expected->texts);
  EXPECT_NE(run->out.find("sheet 1: " + std::to_string(listed.size()) + " units"),
            std::string::npos)
      << run->out;
}

TEST_F(JobposArrangeExamples, PictureHoldsEveryListedUnitAtItsOffset) {
  const auto listed = listedUnits(expected->texts);
  ASSERT_FALSE(listed.empty());
  const auto drawn = pictureUnits(fileText(scratch->path / "layout.svg"));
  ASSERT_EQ(drawn.size(), listed.size());
  for (const auto& want : listed) {
    const Unit* got = find(drawn, want.job, want.page, want.copy);
    ASSERT_NE(got, nullptr) << want.job << " page " << want.page << " copy " << want.copy;
    EXPECT_NEAR(got->x, want.x, 1e-3) << want.job << " copy " << want.copy;
    EXPECT_NEAR(got->y, want.y, 1e-3) << want.job << " copy " << want.copy;
    EXPECT_EQ(got->sheet, want.sheet);
  }
  // The banner is 1200 x 600 with no trims (examples/jobs/banner_roll.ini).
  const Unit* banner = find(drawn, "BANNER-0412", 1, 2);
  ASSERT_NE(banner, nullptr);
  EXPECT_DOUBLE_EQ(banner->width, 1200.0);
  EXPECT_DOUBLE_EQ(banner->height, 600.0);
  // The A1 poster's two pages end in different orientations (the first laid
  // on its side, the second upright beside it); each is drawn as placed.
  const Unit* page1 = find(drawn, "POSTER-0977", 1, 1);
  const Unit* page2 = find(drawn, "POSTER-0977", 2, 1);
  ASSERT_NE(page1, nullptr);
  ASSERT_NE(page2, nullptr);
  EXPECT_DOUBLE_EQ(page1->width, 841.0);
  EXPECT_DOUBLE_EQ(page2->width, 594.0);
}

TEST(JobposArrange, FiguresOfAHandCountedLayout) {
  // 100 x 50 after trims, three copies, 10 mm gaps on a 250 mm roll: two
  // side by side, the third below at y 60, so 110 mm used and
  // 3 x 5000 / (250 x 110) = 54.5 % of the media.
  Scratch scratch;
  const fs::path job = scratch.path / "a.ini";
  writeFile(job,
            "[Job]\nJobID=\"A\"\n[Composite]\nscale=110,60\ntrimLeft=4\ntrimRight=6\n"
            "trimTop=3\ntrimBottom=7\nduplicateCount=3\npages=1\n");
  const ToolRun run = runJobpos({"arrange", "--kind", "1", "--width", "250", "--length", "-1",
                             "--gap", "10,10", "--out", (scratch.path / "out").string(),
                             "--svg", (scratch.path / "a.svg").string(), job.string()},
                            scratch);
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_NE(run.out.find("rectangle of sheet 1: x=0.000 y=0.000 width=210.000 height=110.000 mm"),
            std::string::npos)
      << run.out;
  EXPECT_NE(run.out.find("sheet 1: 3 units, used length 110.0 mm, utilisation 54.5 %"),
            std::string::npos)
      << run.out;
  for (const auto& u : pictureUnits(fileText(scratch.path / "a.svg"))) {
    EXPECT_DOUBLE_EQ(u.width, 100.0);
    EXPECT_DOUBLE_EQ(u.height, 50.0);
  }
}

TEST(JobposArrange, AFiniteLengthGivesOneDrawingPerSheet) {
  Scratch scratch;
  std::vector<std::string> args = {"arrange", "--kind", "0", "--width", "1600", "--length",
                                   "2000", "--gap", "5,5", "--out",
                                   (scratch.path / "jobs").string(), "--svg",
                                   (scratch.path / "sheets.svg").string()};
  for (const auto& f : examples()) args.push_back(f);
  const ToolRun run = runJobpos(args, scratch);
  ASSERT_EQ(run.status, 0) << run.err;

  const auto listed = listedUnits(arrangeDirectly(0, 5, 5, 1600, 2000, examples()).texts);
  std::map<int, size_t> perSheet;
  for (const auto& u : listed) ++perSheet[u.sheet];
  ASSERT_GT(perSheet.size(), 1u) << "the examples should need more than one 2 m sheet";

  int sheets = 0;
  const auto drawn = pictureUnits(fileText(scratch.path / "sheets.svg"), &sheets);
  EXPECT_EQ(static_cast<size_t>(sheets), perSheet.size());
  std::map<int, size_t> drawnPerSheet;
  for (const auto& u : drawn) ++drawnPerSheet[u.sheet];
  EXPECT_EQ(drawnPerSheet, perSheet);
  for (const auto& s : perSheet)
    EXPECT_NE(run.out.find("sheet " + std::to_string(s.first) + ": " +
                           std::to_string(s.second) + " units"),
              std::string::npos)
        << run.out;
}

TEST(JobposRead, HandsBackWhatTheLibraryReads) {
  Scratch scratch;
  const std::string old = examples()[3];  // stickers_old.ini, an older version
  const ToolRun run = runJobpos({"read", "--out", (scratch.path / "r").string(), old}, scratch);
  ASSERT_EQ(run.status, 0) << run.err;
  void* p = CreateInstance();
  addJob(p, fileText(old).c_str());
  uint64_t size = 0;
  ASSERT_TRUE(getAlignmentJobSize(p, 0, &size));
  std::string text(size, '\0');
  copyAlignmentJobParam(p, text.data(), size);
  disposeInstance(p);
  EXPECT_EQ(fileText(scratch.path / "r" / "stickers_old.ini"), text);
}
