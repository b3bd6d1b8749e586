// Helpers shared by the parameter-file tests: the files under
// tests/data/params, the nodes of an XML text, the text an object writes,
// what a file holds after an object read it.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "support/LogCapture.h"
#include "support/TestFiles.h"
#include "unitCmnParamIo/ParamIoXML.h"

inline std::string paramFile(const std::string& name) { return dataPath("params/" + name); }
inline std::string paramText(const std::string& name) { return readText(paramFile(name)); }

// Names and values of the nodes of an XML text, in document order.
using Defines = std::vector<std::pair<std::string, std::string>>;

inline Defines definesOf(const std::string& xml) {
  ParamIoXML io;
  EXPECT_TRUE(io.readText(xml));
  Defines out;
  for (const IoXmlDefine& d : io.getDefines()) out.emplace_back(d.getName(), d.value());
  return out;
}

inline Defines definesOfFile(const std::string& name) { return definesOf(paramText(name)); }

inline std::string valueIn(const Defines& defines, const std::string& name) {
  for (const auto& d : defines)
    if (d.first == name) return d.second;
  ADD_FAILURE() << name << " not written";
  return std::string();
}

// The text the object writes to a file.
template <class Param>
std::string writtenText(Param param) {
  ScratchDir dir;
  EXPECT_TRUE(param.writeParam(dir.file("written.xml")));
  return readText(dir.file("written.xml"));
}

// Puts text in a file, has param read it and answers what the file holds
// afterwards.
template <class Param>
std::string fileAfterReading(Param& param, const std::string& text) {
  ScratchDir dir;
  const std::string path = dir.put("param.xml", text);
  EXPECT_TRUE(param.readParam(path));
  return readText(path);
}

// A data file read and written gives back the data file to the letter.
template <class Param>
void expectWrittenBackAsRead(const std::string& name) {
  Param param;
  ASSERT_TRUE(param.readParam(paramFile(name)));
  EXPECT_EQ(writtenText(param), paramText(name));
}
