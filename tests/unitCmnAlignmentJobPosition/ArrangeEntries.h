// Test helpers for the placement steps: entries of a given size, and checks
// of where a list of entries was placed and of the shape each has.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "unitCmnAlignmentJobPosition/frame/ArrangeEntry.h"

inline ArrangeEntry entry(double width, double height, const char* job = "job") {
  ArrangeEntry e;
  e.CompositeId = job;
  e.MmWidth = width;
  e.MmHeight = height;
  return e;
}

// Where an entry went: position and sheet.
struct Spot {
  double x, y;
  int32_t sheet;
};

// The first spots.size() entries of the list, in order, are at their spots:
// positions within tolerance, or equal to 4 ULPs when it is 0.
inline void expectPlaced(const std::vector<ArrangeEntry>& list, const std::vector<Spot>& spots,
                         double tolerance = 0) {
  ASSERT_GE(list.size(), spots.size());
  for (size_t i = 0; i < spots.size(); ++i) {
    SCOPED_TRACE("entry " + std::to_string(i + 1) + " of job " + list[i].CompositeId);
    if (tolerance > 0) {
      EXPECT_NEAR(list[i].X, spots[i].x, tolerance);
      EXPECT_NEAR(list[i].Y, spots[i].y, tolerance);
    } else {
      EXPECT_DOUBLE_EQ(spots[i].x, list[i].X);
      EXPECT_DOUBLE_EQ(spots[i].y, list[i].Y);
    }
    EXPECT_EQ(spots[i].sheet, list[i].ArrangeNum);
  }
}

// What an entry became: size and rotation.
struct Shape {
  double width, height;
  uint32_t rotation;
};

// The first shapes.size() entries of the list, in order, have their shapes
// exactly.
inline void expectShapes(const std::vector<ArrangeEntry>& list, const std::vector<Shape>& shapes) {
  ASSERT_GE(list.size(), shapes.size());
  for (size_t i = 0; i < shapes.size(); ++i) {
    SCOPED_TRACE("entry " + std::to_string(i + 1));
    EXPECT_EQ(shapes[i].width, list[i].MmWidth);
    EXPECT_EQ(shapes[i].height, list[i].MmHeight);
    EXPECT_EQ(shapes[i].rotation, list[i].Rotation);
  }
}
