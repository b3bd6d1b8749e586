// The parameter-file frame over the XML back-end, through a small parameter
// class of two fields stored in a real file.
#include "unitCmnParams/AbXmlParam.h"

#include <gtest/gtest.h>

#include <boost/filesystem.hpp>

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

TEST(AbXmlParamRead, SameVersionIsTakenAsIs) {
  ScratchDir dir;
  const std::string path = dir.put("probe.xml", probeText("1.01", 250, "roll &amp; sheet"));
  ProbeParam param;
  ASSERT_TRUE(param.readParam(path));
  EXPECT_EQ(param.versionUpCalls, 0);
  EXPECT_EQ(param.getParamVersion(), "1.01");
  EXPECT_EQ(param.width, 250);
  EXPECT_EQ(param.label, "roll & sheet");
  EXPECT_EQ(param.getFilePath(), path);
}

TEST(AbXmlParamRead, OlderVersionIsRaisedNewerKept) {
  ScratchDir dir;
  writeText(dir.file("old.xml"), probeText("1.00", 1, "old"));
  writeText(dir.file("new.xml"), probeText("2.00", 2, "new"));

  ProbeParam older;
  ASSERT_TRUE(older.readParam(dir.file("old.xml")));
  EXPECT_EQ(older.versionUpCalls, 1);
  EXPECT_EQ(older.getParamVersion(), "1.01");
  EXPECT_EQ(older.width, 1);

  ProbeParam newer;
  ASSERT_TRUE(newer.readParam(dir.file("new.xml")));
  EXPECT_EQ(newer.versionUpCalls, 1);  // the texts differ, the numbers say keep
  EXPECT_EQ(newer.getParamVersion(), "2.00");
}

TEST(AbXmlParamRead, EmptyPathIsFalseWithDefaults) {
  ProbeParam param;
  ASSERT_TRUE(param.readParamData(probeText("1.01", 7, "set")));
  ASSERT_EQ(param.width, 7);
  EXPECT_FALSE(param.readParam(""));
  EXPECT_EQ(param.getFilePath(), "");
  EXPECT_EQ(param.width, 100);
  EXPECT_EQ(param.label, "default");
  EXPECT_EQ(param.getParamVersion(), "1.01");
}

TEST(AbXmlParamRead, MissingFileOrWrongExtensionIsFalseWithDefaults) {
  ScratchDir dir;
  writeText(dir.file("probe.txt"), probeText("1.01", 5, "txt"));
  ProbeParam param;
  EXPECT_FALSE(param.readParam(dir.file("absent.xml")));
  EXPECT_EQ(param.getFilePath(), dir.file("absent.xml"));  // stored before the read
  EXPECT_FALSE(param.readParam(dir.file("probe.txt")));
  EXPECT_EQ(param.width, 100);
}

TEST(AbXmlParamRead, UpperCaseExtensionIsAccepted) {
  ScratchDir dir;
  writeText(dir.file("PROBE.XML"), probeText("1.01", 3, "upper"));
  ProbeParam param;
  EXPECT_TRUE(param.io().checkExtension(dir.file("PROBE.XML")));
  EXPECT_FALSE(param.io().checkExtension(dir.file("PROBE")));
  ASSERT_TRUE(param.readParam(dir.file("PROBE.XML")));
  EXPECT_EQ(param.label, "upper");
}

TEST(AbXmlParamRead, FailuresAreLoggedAndAnsweredFalse) {
  ScratchDir dir;
  writeText(dir.file("broken.xml"), "<Probe version=\"1.01\"><Width>5</Probe>");
  writeText(dir.file("badnumber.xml"), "<Probe version=\"1.01\"><Width>wide</Width></Probe>");
  writeText(dir.file("badversion.xml"), probeText("v1", 1, "x"));
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
  };
  for (const auto& c : cases) {
    LogCapture log;
    ProbeParam param;
    EXPECT_FALSE(param.readParam(dir.file(c.file))) << c.file;
    EXPECT_TRUE(log.contains(kLogError, c.message)) << c.file;
    EXPECT_EQ(param.label, c.label) << c.file;
  }
  // A text refused before parsing.
  std::string deep;
  for (int i = 0; i < 300; ++i) deep += "<Probe>";
  LogCapture log;
  ProbeParam param;
  EXPECT_FALSE(param.readParamData(deep));
  EXPECT_TRUE(log.contains(kLogError, "XML nesting deeper than 256 levels"));
}

TEST(AbXmlParamRead, ReadParamDataKeepsThePath) {
  ScratchDir dir;
  ProbeParam param;
  param.width = 9;
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

  ProbeParam back;
  ASSERT_TRUE(back.readParam(path));
  EXPECT_EQ(back.width, 322);
  EXPECT_EQ(back.label, "a<b");
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

TEST(AbXmlParamDelete, RemovesFileForgetsPathResetsFields) {
  ScratchDir dir;
  const std::string path = dir.put("probe.xml", probeText("1.00", 77, "gone"));
  ProbeParam param;
  ASSERT_TRUE(param.readParam(path));
  ASSERT_FALSE(param.io().getDefines().empty());
  EXPECT_TRUE(param.deleteParam());
  EXPECT_FALSE(fs::exists(path));
  EXPECT_EQ(param.getFilePath(), "");
  EXPECT_EQ(param.width, 100);
  EXPECT_EQ(param.label, "default");
  EXPECT_EQ(param.getParamVersion(), "1.01");
  EXPECT_TRUE(param.io().getDefines().empty());
  EXPECT_FALSE(param.deleteParam());  // no path any more
}

TEST(AbXmlParamDelete, WrongExtensionIsFalseAndKeepsThePath) {
  ScratchDir dir;
  const std::string path = dir.put("probe.txt", "keep");
  ProbeParam param;
  param.width = 5;
  EXPECT_FALSE(param.writeParam(path));  // stores the path, refuses the write
  EXPECT_FALSE(param.deleteParam());
  EXPECT_EQ(param.getFilePath(), path);
  EXPECT_EQ(param.width, 5);
  EXPECT_EQ(readText(path), "keep");
}

}  // namespace
