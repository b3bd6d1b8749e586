// Test helpers: job texts assembled from INI sections, and the jobs of one
// run read from those texts by JobParam, as the library reads the host's.
#pragma once

#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "support/LogCapture.h"
#include "unitCmnJobParam/JobParam.h"
#include "unitCmnJobSizeCalc/Geometry.h"

inline std::string iniSection(const std::string& name, const std::string& body) {
  return "[" + name + "]\n" + body + "\n";
}

// A job that is its own primary, with "Print", "Composite" and further
// sections (binary units).
inline std::string jobText(const std::string& id, const std::string& composite,
                           const std::string& print = "", const std::string& more = "") {
  return iniSection("Job", "JobID=\"" + id + "\"\nPrimary=\"" + id + "\"") +
         iniSection("Print", print) + iniSection("Composite", composite) + more;
}

// The binary unit of job "J" for page 1, tile (i, j), copy; offset "x,y"
// and corrections "{label;dx,dy},...".
inline std::string unit(int i, int j, int copy, const std::string& offset,
                        const std::string& corrections = "") {
  std::string body = "compositeID=\"J\"\noffset=" + offset;
  if (!corrections.empty()) body += "\noffsetOfOffset=" + corrections;
  return iniSection(JobParam::binaryUnitSectionName("J", 1, i, j, copy, 0), body);
}
inline std::string copyUnit(int copy, const std::string& offset, const std::string& corr = "") {
  return unit(0, 0, copy, offset, corr);
}
inline std::string tileUnit(int i, int j, const std::string& offset) {
  return unit(i, j, 1, offset);
}

inline std::string sizeCalcDataText(const std::string& name) {
  std::ifstream in(std::string(UNITCMN_TEST_DATA) + "/sizecalc/" + name, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

// The jobs of one run, owned here; jobs() is the list a calculator gets.
class JobRun {
 public:
  JobRun& add(const std::string& text) {
    owned_.push_back(std::make_unique<JobParam>());
    EXPECT_TRUE(owned_.back()->readParamData(text)) << text;
    list_.push_back(owned_.back().get());
    return *this;
  }
  const std::vector<JobParam*>& jobs() const { return list_; }

 private:
  LogCapture log_;  // the short job texts miss most keys; keep the log quiet
  std::vector<std::unique_ptr<JobParam>> owned_;
  std::vector<JobParam*> list_;
};

// Parameterised cases are named by their "name" field.
struct CaseName {
  template <class Info>
  std::string operator()(const Info& info) const { return info.param.name; }
};

#define EXPECT_SIZE(actual, w, h)                  \
  do {                                             \
    const specialityType::DimDouble s_ = (actual); \
    EXPECT_NEAR(s_.width, (w), 1e-9);              \
    EXPECT_NEAR(s_.height, (h), 1e-9);             \
  } while (0)

#define EXPECT_RECT(actual, x_, y_, w, h)           \
  do {                                              \
    const specialityType::RectDouble r_ = (actual); \
    EXPECT_NEAR(r_.x, (x_), 1e-9);                  \
    EXPECT_NEAR(r_.y, (y_), 1e-9);                  \
    EXPECT_NEAR(r_.width, (w), 1e-9);               \
    EXPECT_NEAR(r_.height, (h), 1e-9);              \
  } while (0)
