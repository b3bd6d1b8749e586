// Where the jig execution puts one image, for every positioning policy,
// invalid print area and deskew of tests/data/jig/placements.table: the
// jig text of jig_2x2.xml with the line's values, through the shared
// library's C functions, and the unit's offset as the job reads back.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "support/LogCapture.h"
#include "support/TestFiles.h"
#include "support/XmlTexts.h"
#include "unitCmnAlignmentJobPosition.h"

namespace {

// P is its own target, primary and only member.
const char* const kJob =
    "[Job]\nJobID=\"P\"\nPrimary=\"P\"\n[Print]\nMember=\"P\"\n[Composite]\npages=1\n"
    "scale=50.000000,80.000000\ntrimTop=1\ntrimLeft=2\ntrimBottom=3\ntrimRight=4\n";
const char* const kUnit = "[BinP_P0001_T000-000_C0001_V0000]";

std::string placedText(const std::string& jig) {
  void* p = CreateInstance();
  addJob(p, kJob);
  const std::string rows = "<RowSettingInfo><Use>true</Use><RowNumber>0</RowNumber>"
                           "</RowSettingInfo>";
  addVariableDataPrintingParam(
      p, "P", withElement(dataText("jig/vdp_names.xml"), "RowSettingInfos", rows).c_str());
  uint64_t size = 0;
  std::string text;
  if (alignmentJigPositionExec(p, jig.c_str(), "P") && getAlignmentJobSize(p, 0, &size)) {
    text.resize(size);
    copyAlignmentJobParam(p, text.data(), size);
  }
  disposeInstance(p);
  return text;
}

}  // namespace

TEST(JigPlacementTable, PlacesTheImageAsEachLineSays) {
  LogCapture quiet;
  std::istringstream table(dataText("jig/placements.table"));
  int lines = 0;
  for (std::string line; std::getline(table, line);) {
    if (line.empty() || line[0] == '#') continue;
    SCOPED_TRACE(line);
    std::istringstream in(line);
    std::string policy, deskew, top, bottom, left, right;
    double x = 0, y = 0;
    ASSERT_TRUE(in >> policy >> deskew >> top >> bottom >> left >> right >> x >> y);
    std::string jig = dataText("jig/jig_2x2.xml");
    jig = withElement(jig, "PositioningPolicy", policy);
    jig = withElement(jig, "JigDeskew", deskew);
    jig = withElement(jig, "InvalidPrintArea.Top", top);
    jig = withElement(jig, "InvalidPrintArea.Bottom", bottom);
    jig = withElement(jig, "InvalidPrintArea.Left", left);
    jig = withElement(jig, "InvalidPrintArea.Right", right);
    const std::string text = placedText(jig);
    const size_t unit = text.find(kUnit);
    ASSERT_NE(unit, std::string::npos) << text;
    const size_t offset = text.find("offset=", unit);
    ASSERT_NE(offset, std::string::npos);
    std::istringstream value(text.substr(offset + 7));
    double gotX = 0, gotY = 0;
    char comma = 0;
    ASSERT_TRUE(value >> gotX >> comma >> gotY);
    EXPECT_NEAR(gotX, x, 1e-6);
    EXPECT_NEAR(gotY, y, 1e-6);
    ++lines;
  }
  EXPECT_GE(lines, 26);
}
