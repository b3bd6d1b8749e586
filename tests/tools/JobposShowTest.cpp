// jobpos show: pictures of arrangements that jobs already hold.
#include "JobposHarness.h"

using namespace jobpos_test;

TEST(JobposShow, RedrawsArrangedJobsWithTheSameUnits) {
  ScratchDir scratch;
  ASSERT_EQ(runJobpos(arrangeArgs("2", "1600", "-1", scratch.file("jobs"),
                                  scratch.file("arranged.svg"), examples()),
                      scratch)
                .status,
            0);
  std::vector<std::string> show = {"show", "--width", "1600", "--svg", scratch.file("shown.svg")};
  for (const auto& f : examples()) show.push_back(scratch.file("jobs/" + fileName(f)));
  const ToolRun run = runJobpos(show, scratch);
  ASSERT_EQ(run.status, 0) << run.err;

  const auto arranged = pictureUnits(readText(scratch.file("arranged.svg")));
  const auto shown = pictureUnits(readText(scratch.file("shown.svg")));
  ASSERT_FALSE(arranged.empty());
  ASSERT_EQ(shown.size(), arranged.size());
  for (const auto& a : arranged) {
    const Unit* s = find(shown, a.job, a.page, a.copy);
    ASSERT_NE(s, nullptr) << a.job << " copy " << a.copy;
    EXPECT_EQ(s->x, a.x);
    EXPECT_EQ(s->y, a.y);
    EXPECT_EQ(s->width, a.width);
    EXPECT_EQ(s->height, a.height);
  }
}

TEST(JobposShow, DrawsAJobArrangedElsewhere) {
  // A job laid out by some other host: turned a quarter, trimmed, placed
  // after a 15 x 20 mm margin, one unit with corrections to its offset, and
  // characters that must be escaped in the picture.
  ScratchDir scratch;
  const std::string job = scratch.put("other.ini",
            "[Job]\nJobID=\"R&D <tall>\"\n[Composite]\npages=1\nrotate=270\n"
            "scale=300,120\ntrimLeft=10\ntrimRight=20\ntrimTop=5\ntrimBottom=15\n"
            "[Arrange1]\ncompositeKeys=BinR_C1,BinR_C2\n"
            "[BinR_C1]\npageNumber=1\ncopyNumber=1\ntileNumber=0,0\noffset=15,20\n"
            "offsetOfOffset=\n"
            "[BinR_C2]\npageNumber=1\ncopyNumber=2\ntileNumber=0,0\noffset=300,20\n"
            "offsetOfOffset={shift;2.5,-1},{again;0.5,3}\n");
  const ToolRun run = runJobpos(
      {"show", "--width", "700", "--svg", scratch.file("o.svg"), job},
      scratch);
  ASSERT_EQ(run.status, 0) << run.err;
  const std::string svg = readText(scratch.file("o.svg"));
  const auto units = pictureUnits(svg);
  ASSERT_EQ(units.size(), 2u);
  const Unit* first = find(units, "R&D <tall>", 1, 1);
  const Unit* second = find(units, "R&D <tall>", 1, 2);
  ASSERT_TRUE(first && second);
  EXPECT_DOUBLE_EQ(first->x, 15.0);
  EXPECT_DOUBLE_EQ(first->y, 20.0);
  EXPECT_DOUBLE_EQ(first->width, 270.0);
  EXPECT_DOUBLE_EQ(first->height, 100.0);
  EXPECT_DOUBLE_EQ(second->x, 303.0);
  EXPECT_DOUBLE_EQ(second->y, 22.0);
  EXPECT_EQ(classCount(svg, "turned"), 2u);
  EXPECT_EQ(classCount(svg, "allowance"), 2u);  // the 15 mm and the 20 mm band
  // 2 x 270 x 100 over 700 x 122 mm.
  EXPECT_NE(run.out.find("sheet 1: 2 units, used length 122.0 mm, utilisation 63.2 %"),
            std::string::npos)
      << run.out;
}
