// The parameter-file frame over the XML back-end, through a small parameter
// class of two fields stored in a real file.
#include "unitCmnParams/AbXmlParam.h"

#include <gtest/gtest.h>

#include <boost/filesystem.hpp>
#include <tuple>

#include "support/LogCapture.h"
#include "support/TestFiles.h"

namespace {

namespace fs = boost::filesystem;

// <Probe version="x.xx"><Width>..</Width><Label>..</Label></Probe>
class ProbeParam : public AbXmlParam {
 public:
  ProbeParam() {
    currentVersion = "1.01";
    initParam();
  }

  void initParam() override {
    AbXmlParam::initParam();
    width = 100;
    label = "default";
  }

  bool setParamToIo() override {
    if (refuseWrite) return false;
    paramIo.addDefine("Probe").setAttribute("version", paramVersion);
    paramIo.addDefine("Probe.Width", width);
    paramIo.addDefine("Probe.Label", label);
    return true;
  }

  bool getParamFromIo() override {
    IoXmlDefine* root = paramIo.findDefine("Probe");
    if (!root || !root->getAttribute("version", paramVersion)) return false;
    if (IoXmlDefine* w = paramIo.findDefine("Probe.Width")) w->getValue(width);
    if (IoXmlDefine* l = paramIo.findDefine("Probe.Label")) l->getValue(label);
    return true;
  }

  void versionUp() override {
    ++versionUpCalls;
    AbXmlParam::versionUp();
  }

  const ParamIoXML& io() const { return paramIo; }

  int width = 100;
  std::string label = "default";
  int versionUpCalls = 0;
  bool refuseWrite = false;
};

std::string probeText(const std::string& version, int width, const std::string& label) {
  return "<?xml version=\"1.0\"?>\n<Probe version=\"" + version + "\">\n  <Width>" +
         std::to_string(width) + "</Width>\n  <Label>" + label + "</Label>\n</Probe>\n";
}

// Same version: taken as is; older: raised; newer: kept (versionUp runs
// whenever the texts differ, the numbers decide).
TEST(AbXmlParamRead, VersionsAreRaisedOnlyWhenOlder) {
  struct Case {
    const char* version;
    int versionUpCalls;
    const char* after;
  };
  for (const Case& c :
       {Case{"1.01", 0, "1.01"}, Case{"1.00", 1, "1.01"}, Case{"2.00", 1, "2.00"}}) {
    ScratchDir dir;
    const std::string path = dir.put("probe.xml", probeText(c.version, 250, "roll &amp; sheet"));
    ProbeParam param;
    ASSERT_TRUE(param.readParam(path));
    EXPECT_EQ(param.versionUpCalls, c.versionUpCalls) << c.version;
    EXPECT_EQ(param.getParamVersion(), c.after);
    EXPECT_EQ(param.width, 250);
    EXPECT_EQ(param.label, "roll & sheet");
    EXPECT_EQ(param.getFilePath(), path);
  }
}

TEST(AbXmlParamRead, EmptyPathMissingFileOrWrongExtensionIsFalseWithDefaults) {
  ScratchDir dir;
  writeText(dir.file("probe.txt"), probeText("1.01", 5, "txt"));
  writeText(dir.file("PROBE.XML"), probeText("1.01", 3, "upper"));
  ProbeParam param;
  ASSERT_TRUE(param.readParamData(probeText("1.00", 7, "set")));
  EXPECT_FALSE(param.readParam(""));
  EXPECT_EQ(param.getFilePath(), "");
  EXPECT_EQ(std::make_tuple(param.width, param.label, param.getParamVersion()),
            std::make_tuple(100, std::string("default"), std::string("1.01")));
  EXPECT_FALSE(param.readParam(dir.file("absent.xml")));
  EXPECT_EQ(param.getFilePath(), dir.file("absent.xml"));  // stored before the read
  EXPECT_FALSE(param.readParam(dir.file("probe.txt")));
  EXPECT_EQ(param.width, 100);
  ASSERT_TRUE(param.readParam(dir.file("PROBE.XML")));
  EXPECT_EQ(param.label, "upper");
}

TEST(AbXmlParamRead, FailuresAreLoggedAndAnsweredFalse) {
  ScratchDir dir;
  writeText(dir.file("broken.xml"), "<Probe version=\"1.01\"><Width>5</Probe>");
  writeText(dir.file("badnumber.xml"), "<Probe version=\"1.01\"><Width>wide</Width></Probe>");
  writeText(dir.file("badversion.xml"), probeText("v1", 1, "x"));
  std::string deep;
  for (int i = 0; i < 300; ++i) deep += "<Probe>";
  writeText(dir.file("deep.xml"), deep);
  // The fields taken before the failure stay; the others keep their defaults.
  struct Case {
    const char* file;
    const char* message;
    const char* label;
  };
  const Case cases[] = {
      {"broken.xml", "invalid closing tag name", "default"},
      {"badnumber.xml", "invalid stoi argument", "default"},
      {"badversion.xml", "invalid stof argument", "x"},  // fails in versionUp
      {"deep.xml", "XML nesting exceeds the limit of 256 levels", "default"},  // refused before parsing
  };
  for (const auto& c : cases) {
    LogCapture log;
    ProbeParam param;
    EXPECT_FALSE(param.readParam(dir.file(c.file))) << c.file;
    EXPECT_TRUE(log.contains(kLogError, c.message)) << c.file;
    EXPECT_EQ(param.label, c.label) << c.file;
  }
}

TEST(AbXmlParamRead, ReadParamDataKeepsThePath) {
  ScratchDir dir;
  ProbeParam param;
  ASSERT_TRUE(param.writeParam(dir.file("p.xml")));
  ASSERT_TRUE(param.readParamData(probeText("1.00", 42, "text")));
  EXPECT_EQ(param.getFilePath(), dir.file("p.xml"));
  EXPECT_EQ(param.width, 42);
  EXPECT_EQ(param.getParamVersion(), "1.01");
  EXPECT_FALSE(param.readParamData(""));
  EXPECT_EQ(param.width, 100);
}

TEST(AbXmlParamWrite, WritesTheFieldsAndRebuildsTheModelEachTime) {
  ScratchDir dir;
  const std::string path = dir.file("sub/probe.xml");
  ProbeParam param;
  param.width = 321;
  param.label = "a<b";
  ASSERT_TRUE(param.writeParam(path));
  EXPECT_EQ(param.getFilePath(), path);
  param.width = 322;
  ASSERT_TRUE(param.writeParam());  // the stored path; the model is rebuilt, not appended to
  EXPECT_EQ(readText(path),
            "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n"
            "<Probe version=\"1.01\">\n"
            "\t<Width>322</Width>\n"
            "\t<Label>a&lt;b</Label>\n"
            "</Probe>\n");
}

TEST(AbXmlParamWrite, NoPathOrRefusedModelIsFalse) {
  ScratchDir dir;
  ProbeParam param;
  EXPECT_FALSE(param.writeParam());
  param.refuseWrite = true;
  EXPECT_FALSE(param.writeParam(dir.file("refused.xml")));
  EXPECT_FALSE(fs::exists(dir.file("refused.xml")));
  param.refuseWrite = false;
  EXPECT_FALSE(param.writeParam(dir.file("probe.txt")));
  EXPECT_FALSE(fs::exists(dir.file("probe.txt")));
}

TEST(AbXmlParamDelete, RemovesFileForgetsPathResetsFieldsOrRefuses) {
  ScratchDir dir;
  const std::string path = dir.put("probe.xml", probeText("1.00", 77, "gone"));
  ProbeParam param;
  ASSERT_TRUE(param.readParam(path));
  EXPECT_TRUE(param.deleteParam());
  EXPECT_FALSE(fs::exists(path));
  EXPECT_EQ(param.getFilePath(), "");
  EXPECT_EQ(std::make_tuple(param.width, param.label, param.getParamVersion()),
            std::make_tuple(100, std::string("default"), std::string("1.01")));
  EXPECT_TRUE(param.io().getDefines().empty());
  EXPECT_FALSE(param.deleteParam());  // no path any more

  // A wrong extension: refused, the path and the fields kept.
  const std::string txt = dir.put("probe.txt", "keep");
  param.width = 5;
  EXPECT_FALSE(param.writeParam(txt));  // stores the path, refuses the write
  EXPECT_FALSE(param.deleteParam());
  EXPECT_EQ(param.getFilePath(), txt);
  EXPECT_EQ(param.width, 5);
  EXPECT_EQ(readText(txt), "keep");
}

}  // namespace
