// jobpos jig run on examples/jig/ as an operator runs it, checked against
// the library called directly and against the picture read back.
#include <algorithm>
#include <cmath>

#include "JobposHarness.h"
#include "support/XmlTexts.h"

using namespace jobpos_test;

namespace {

std::string example(const std::string& name) {
  return std::string(UNITCMN_EXAMPLES) + "/jig/" + name;
}

const std::vector<std::string> kJobs = {example("cases.ini"), example("case_b.ini"),
                                        example("case_c.ini")};

std::vector<std::string> jigArgs(const std::string& jig, const ScratchDir& s,
                                 std::vector<std::string> vdps) {
  std::vector<std::string> args = {"jig", "--jig", jig, "--target", "CASE-B", "--out",
                                   s.file("out"), "--svg", s.file("jig.svg")};
  for (const auto& vdp : vdps) args.insert(args.end(), {"--vdp", vdp});
  args.insert(args.end(), kJobs.begin(), kJobs.end());
  return args;
}

const std::vector<std::string> kBothVdps = {"CASE-B=" + example("names_b.xml"),
                                            "CASE-C=" + example("names_c.xml")};

// The same run through the C functions.
std::vector<std::string> placedDirectly(const std::string& jigText) {
  void* p = CreateInstance();
  for (const auto& job : kJobs) addJob(p, readText(job).c_str());
  addVariableDataPrintingParam(p, "CASE-B", readText(example("names_b.xml")).c_str());
  addVariableDataPrintingParam(p, "CASE-C", readText(example("names_c.xml")).c_str());
  EXPECT_TRUE(alignmentJigPositionExec(p, jigText.c_str(), "CASE-B"));
  auto texts = textsOf(p);
  disposeInstance(p);
  return texts;
}

struct Image {
  std::string job, row;
  double x, y, width, height;
  bool outside;
};

std::vector<Image> imagesOf(const std::string& svg) {
  std::vector<Image> images;
  auto attr = [&](size_t at, const std::string& name) {
    const size_t begin = svg.find(" " + name + "=\"", at) + name.size() + 3;
    return svg.substr(begin, svg.find('"', begin) - begin);
  };
  for (size_t at = svg.find("<rect class=\"image"); at != std::string::npos;
       at = svg.find("<rect class=\"image", at + 1))
    images.push_back({attr(at, "data-job"), attr(at, "data-row"), std::stod(attr(at, "x")),
                      std::stod(attr(at, "y")), std::stod(attr(at, "width")),
                      std::stod(attr(at, "height")), attr(at, "class") == "image outside"});
  return images;
}

}  // namespace

TEST(JobposJig, WritesTheJobsAsTheLibraryPlacesThemAndTellsTheFillings) {
  ScratchDir scratch;
  const ToolRun run = runJobpos(jigArgs(example("phone_cases_2x2.xml"), scratch, kBothVdps),
                                scratch);
  // Written, but an image runs outside its pocket: the layout needs attention.
  ASSERT_EQ(run.status, 3) << run.err;
  const auto expected = placedDirectly(readText(example("phone_cases_2x2.xml")));
  for (size_t i = 0; i < kJobs.size(); ++i)
    EXPECT_EQ(readText(scratch.file("out/" + fileName(kJobs[i]))), expected[i]) << kJobs[i];
  EXPECT_NE(run.out.find("filling 1: 4 images in 4 pockets (CASE-B 3, CASE-C 1)\n"
                         "filling 2: 1 image in 4 pockets (CASE-C 1)"),
            std::string::npos)
      << run.out;
  EXPECT_NE(run.err.find("warning: filling 2, pocket 001-001: CASE-C row 1 page 1 runs 2.0 mm "
                         "outside its pocket"),
            std::string::npos)
      << run.err;
}

// With pocket 002-002 out of use, each image drawn and turned by the
// deskew about the jig origin (100, 20) has its bounding box where the
// library's offset says, measured with the untrimmed scale as the library
// measures it (the images here have no trims). Both turns, since each
// moves the corner along a different side.
TEST(JobposJig, DrawsEveryImageTurnedWhereItsOffsetPutsIt) {
  for (const double deskew : {1.5, -1.5}) {
    SCOPED_TRACE(deskew);
    ScratchDir scratch;
    std::string jigText = readText(example("phone_cases_2x2.xml"));
    jigText = withElement(jigText, "PictureRectangles.PictureRectangle.Use", "false");
    jigText = withElement(jigText, "JigDeskew", std::to_string(deskew));
    const ToolRun run = runJobpos(jigArgs(scratch.put("jig.xml", jigText), scratch, kBothVdps),
                                  scratch);
    ASSERT_EQ(run.status, 3) << run.err;  // CASE-C runs outside its pockets
    const std::string svg = readText(scratch.file("jig.svg"));
    EXPECT_EQ(classCount(svg, "filling"), 2u);
    EXPECT_EQ(classCount(svg, "pocket"), 6u);  // 3 used in each filling
    EXPECT_EQ(classCount(svg, "pocket unused"), 2u);
    const Sections primary = sectionsOf(readText(scratch.file("out/cases.ini")));
    const double a = -deskew * M_PI / 180, c = std::cos(a), s = std::sin(a);
    const auto images = imagesOf(svg);
    ASSERT_EQ(images.size(), 5u);
    for (const Image& i : images) {
      SCOPED_TRACE(i.job + " row " + i.row);
      const std::string unit = "Bin" + i.job + "_P0001_T000-000_C0001_V000" + i.row;
      const auto offset = split(primary.at(unit).at("offset"), ',');
      double minX = 1e9, minY = 1e9;
      for (double dx : {0.0, i.width})
        for (double dy : {0.0, i.height}) {
          minX = std::min(minX, (i.x + dx - 100) * c - (i.y + dy - 20) * s + 100);
          minY = std::min(minY, (i.x + dx - 100) * s + (i.y + dy - 20) * c + 20);
        }
      EXPECT_NEAR(minX, std::stod(offset[0]), 2e-3);
      EXPECT_NEAR(minY, std::stod(offset[1]), 2e-3);
      EXPECT_EQ(i.outside, i.job == "CASE-C") << "84 mm wide in pockets of 80";
    }
  }
}

TEST(JobposJig, RefusalsExitWithTheirStatusAndWriteNothing) {
  ScratchDir scratch;
  const std::string jig = example("phone_cases_2x2.xml");
  const std::string notXml = scratch.put("not.xml", "<Jig><FileName>half");
  auto without = [&](const std::string& option) {
    auto args = jigArgs(jig, scratch, kBothVdps);
    const auto at = std::find(args.begin(), args.end(), option);
    args.erase(at, at + 2);
    return args;
  };
  const std::vector<Refusal> cases = {
      {without("--jig"), 2, "--jig is required"},
      {without("--target"), 2, "--target is required"},
      {jigArgs(jig, scratch, {"CASE-B"}), 2, "--vdp: 'CASE-B' is not ID=FILE.xml"},
      {jigArgs(jig, scratch, {kBothVdps[0], kBothVdps[0]}), 2, "--vdp: CASE-B is given twice"},
      {jigArgs(notXml, scratch, kBothVdps), 2, notXml + " is not a jig file"},
      {jigArgs(jig, scratch, {kBothVdps[0]}), 1,
       "alignmentJigPositionExec answered false; the library's error record: "},
  };
  expectRefusals(cases, scratch, {scratch.file("out"), scratch.file("jig.svg")});
}
