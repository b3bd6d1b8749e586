// jobpos arrange and read run as an operator runs them, checked against
// what the library answers for the same inputs when called directly.
#include <cstdio>
#include <regex>
#include <set>

#include "JobposHarness.h"

using namespace jobpos_test;

namespace {

// The four examples arranged by kind 1 on an unlimited 1600 mm roll, once
// by jobpos and once directly.
struct ExamplesRun {
  ScratchDir scratch;
  ToolRun run = runJobpos(arrangeArgs("1", "1600", "-1", scratch.file("jobs"),
                                      scratch.file("layout.svg"), examples()),
                          scratch);
  Expected expected = arrangeDirectly(1, 1600, -1, examples());
};

const ExamplesRun& examplesRun() {
  static const ExamplesRun once;
  return once;
}

}  // namespace

TEST(JobposArrangeExamples, WritesEveryJobAsTheLibraryReturnsIt) {
  const ToolRun* run = &examplesRun().run;
  const Expected* expected = &examplesRun().expected;
  const ScratchDir* scratch = &examplesRun().scratch;
  ASSERT_EQ(run->status, 0) << run->err;
  ASSERT_TRUE(expected->answered);
  ASSERT_EQ(expected->texts.size(), examples().size());
  for (size_t i = 0; i < examples().size(); ++i)
    EXPECT_EQ(readText(scratch->file("jobs/" + fileName(examples()[i]))), expected->texts[i])
        << examples()[i];
  // Only the job files: no temporary left behind.
  const fs::directory_iterator files(scratch->file("jobs"));
  EXPECT_EQ(static_cast<size_t>(std::distance(files, fs::directory_iterator())),
            examples().size());
}

TEST(JobposArrangeExamples, PrintsTheRectangleOfSheetOneAndEverySheet) {
  const ToolRun* run = &examplesRun().run;
  const Expected* expected = &examplesRun().expected;
  char line[200];
  std::snprintf(line, sizeof line, "rectangle of sheet 1: x=%.3f y=%.3f width=%.3f height=%.3f mm",
                expected->x, expected->y, expected->width, expected->height);
  EXPECT_NE(run->out.find(line), std::string::npos) << run->out;
  const auto listed = listedUnits(expected->texts);
  EXPECT_NE(run->out.find("sheet 1: " + std::to_string(listed.size()) + " units"),
            std::string::npos)
      << run->out;
}

TEST(JobposArrangeExamples, PictureHoldsEveryListedUnitAtItsOffset) {
  const Expected* expected = &examplesRun().expected;
  const ScratchDir* scratch = &examplesRun().scratch;
  const auto listed = listedUnits(expected->texts);
  ASSERT_FALSE(listed.empty());
  const auto drawn = pictureUnits(readText(scratch->file("layout.svg")));
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
  ASSERT_TRUE(page1 && page2);
  EXPECT_DOUBLE_EQ(page1->width, 841.0);
  EXPECT_DOUBLE_EQ(page2->width, 594.0);
}

TEST(JobposArrange, FiguresOfAHandCountedLayout) {
  // 100 x 50 after trims, three copies, 10 mm gaps on a 250 mm roll: two
  // side by side, the third below at y 60, so 110 mm used and
  // 3 x 5000 / (250 x 110) = 54.5 % of the media.
  ScratchDir scratch;
  const std::string job =
      scratch.put("a.ini", "[Job]\nJobID=\"A\"\n[Composite]\nscale=110,60\ntrimLeft=4\n"
                           "trimRight=6\ntrimTop=3\ntrimBottom=7\nduplicateCount=3\npages=1\n");
  auto args = arrangeArgs("1", "250", "-1", scratch.file("out"), scratch.file("a.svg"), {job});
  args[8] = "10,10";  // --gap
  const ToolRun run = runJobpos(args, scratch);
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_NE(run.out.find("rectangle of sheet 1: x=0.000 y=0.000 width=210.000 height=110.000 mm"),
            std::string::npos)
      << run.out;
  EXPECT_NE(run.out.find("sheet 1: 3 units, used length 110.0 mm, utilisation 54.5 %"),
            std::string::npos)
      << run.out;
  for (const auto& u : pictureUnits(readText(scratch.file("a.svg")))) {
    EXPECT_DOUBLE_EQ(u.width, 100.0);
    EXPECT_DOUBLE_EQ(u.height, 50.0);
  }
}

TEST(JobposArrange, AFiniteLengthGivesOneDrawingPerSheet) {
  ScratchDir scratch;
  const ToolRun run = runJobpos(
      arrangeArgs("0", "1600", "2000", scratch.file("jobs"), scratch.file("s.svg"), examples()),
      scratch);
  ASSERT_EQ(run.status, 0) << run.err;
  std::map<int, size_t> perSheet, drawnPerSheet;
  for (const auto& u : listedUnits(arrangeDirectly(0, 1600, 2000, examples()).texts))
    ++perSheet[u.sheet];
  ASSERT_GT(perSheet.size(), 1u) << "the examples should need more than one 2 m sheet";
  int sheets = 0;
  for (const auto& u : pictureUnits(readText(scratch.file("s.svg")), &sheets))
    ++drawnPerSheet[u.sheet];
  EXPECT_EQ(static_cast<size_t>(sheets), perSheet.size());
  EXPECT_EQ(drawnPerSheet, perSheet);
  for (const auto& s : perSheet)
    EXPECT_NE(run.out.find("sheet " + std::to_string(s.first) + ": " + std::to_string(s.second) +
                           " units"),
              std::string::npos)
        << run.out;
}

TEST(JobposRead, HandsBackWhatTheLibraryReads) {
  ScratchDir scratch;
  const std::string old = examples()[3];  // stickers_old.ini, an older version
  const ToolRun run = runJobpos({"read", "--out", scratch.file("r"), old}, scratch);
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(readText(scratch.file("r/stickers_old.ini")),
            arrangeDirectly(-1, 0, 0, {old}).texts.at(0));
}

TEST(JobposArrange, DrawsRegisterMarksAndCutLinesWhereTheJobPrintsThem) {
  // Marks around the layout (shape 1, target 0): the library moves the
  // units in by size + offset; the marks sit in the corners of that margin
  // around the units. Every unit of a job with "printCutline" has its cut
  // line drawn.
  ScratchDir scratch;
  const std::string job = scratch.put(
      "m.ini", "[Job]\nJobID=\"M\"\n[Print]\nregisterMarkShape=1\nregisterMarkTarget=0\n"
               "registerMarkSize=10\nregisterMarkOffset=5\n[Composite]\npages=1\n"
               "scale=100,50\nduplicateCount=3\nprintCutline=true\n");
  const ToolRun run = runJobpos(
      arrangeArgs("1", "400", "-1", scratch.file("out"), scratch.file("m.svg"), {job}), scratch);
  ASSERT_EQ(run.status, 0) << run.err;
  const auto units = listedUnits({readText(scratch.file("out/m.ini"))});
  ASSERT_EQ(units.size(), 3u);
  double margin = 1e9, right = 0, bottom = 0;
  for (const auto& u : units) {
    margin = std::min({margin, u.x, u.y});
    right = std::max(right, u.x + 100);
    bottom = std::max(bottom, u.y + 50);
  }
  EXPECT_DOUBLE_EQ(margin, 15.0);
  const std::string svg = readText(scratch.file("m.svg"));
  const std::regex corner("<path d=\"M[-0-9.]+,([-0-9.]+) H([-0-9.]+) V[-0-9.]+\"/>");
  const std::string marks = svg.substr(svg.find("class=\"register-mark\""));
  std::set<std::pair<double, double>> corners;
  for (std::sregex_iterator it(marks.begin(), marks.begin() + marks.find("</g>"), corner), end;
       it != end; ++it)
    corners.insert({std::stod((*it)[2]), std::stod((*it)[1])});
  const std::set<std::pair<double, double>> expected = {
      {0, 0}, {0, bottom + margin}, {right + margin, 0}, {right + margin, bottom + margin}};
  EXPECT_EQ(corners, expected);
  EXPECT_EQ(classCount(svg, "cut-line"), 3u);
}
