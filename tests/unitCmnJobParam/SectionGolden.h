// Golden-data checks of a section record against a hand-written section
// text in tests/data/sections/<file>: a "[Name]" header and every key of
// the record, in table order, with a value that is neither 0, false nor
// empty, written in the canonical encoding (doubles with six decimals,
// texts in double quotes).
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "support/TestFiles.h"
#include "unitCmnParamIo/IniSectionDataEx.h"
#include "unitCmnParamIo/ParamIoINI.h"

// The only section of an INI text.
inline IniSectionDataEx onlySection(const std::string& text) {
  ParamIoINI io;
  EXPECT_TRUE(io.readText(text)) << text;
  IniSectionDataEx section;
  EXPECT_EQ(io.sectionNames().size(), 1u) << text;
  if (!io.sectionNames().empty()) io.getSectionData(io.sectionNames().front(), &section);
  return section;
}

// The only section of a golden file.
inline IniSectionDataEx goldenSection(const std::string& file) {
  return onlySection(dataText("sections/" + file));
}

// Reads the golden section into a record and checks that every key was
// read (no field left at its reset value), that the keys are the table's
// in order, and that writing the record gives back the same text.
template <class Record>
void expectGoldenRoundTrip(const std::string& file, size_t keyCount) {
  const IniSectionDataEx golden = goldenSection(file);
  const auto& table = Record::table();
  EXPECT_EQ(table.size(), keyCount);
  EXPECT_EQ(golden.keys(), table.keys()) << file << ": keys or their order differ";

  Record record;
  table.read(golden, record);
  Record blank;
  table.reset(blank);
  EXPECT_EQ(table.differences(record, blank), table.keys())
      << file << ": some keys read as 0, false or empty";

  IniSectionDataEx written;
  table.write(written, record);
  EXPECT_EQ(written.toString(), golden.toString()) << file << ": write-back differs";

  Record again;
  table.read(written, again);
  EXPECT_TRUE(table.differences(record, again).empty());
}
