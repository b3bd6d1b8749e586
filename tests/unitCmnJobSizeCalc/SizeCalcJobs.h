// Test helpers: job texts assembled from INI sections, read by JobParam as
// the library reads the host's (support/JobTexts.h), and checks of sizes
// and rectangles.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "support/JobTexts.h"
#include "unitCmnJobSizeCalc/Geometry.h"

// A job that is its own primary, with "Print" and "Composite" sections.
inline std::string jobText(const std::string& id, const std::string& composite,
                           const std::string& print = "") {
  return iniSection("Job", "JobID=\"" + id + "\"\nPrimary=\"" + id + "\"") +
         iniSection("Print", print) + iniSection("Composite", composite);
}

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
