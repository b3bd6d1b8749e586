// The units placed on one sheet (one "Arrange" + n number across all
// jobs) and the figures an operator reads from them.
#pragma once

#include <string>
#include <vector>

// One placed binary unit, as drawn. Lengths are mm, x across the media
// (scan), y along it (feed).
struct PlacedUnit {
  std::string jobId;
  std::string section;  // its binary-unit section
  int jobIndex = 0;     // position of its job among the jobs shown
  int page = 0, copy = 0;
  int pages = 1;  // the job's Composite "pages"
  int tileScan = 0, tileFeed = 0;  // 0,0 for an untiled job
  double x = 0.0, y = 0.0, width = 0.0, height = 0.0;
  int rotation = 0;  // the job's Composite "rotate", in [0, 360)
};

class Sheet {
 public:
  explicit Sheet(int number) : number_(number) {}

  int number() const { return number_; }
  void add(PlacedUnit unit) { units_.push_back(std::move(unit)); }
  const std::vector<PlacedUnit>& units() const { return units_; }

  // The length used from the media edge: the largest y + height.
  double usedLength() const;
  double unitArea() const;
  // Area of the units over width x used length; 0 when that is empty.
  double utilisation(double width) const;
  // The smallest offsets: the margin the layout leaves before its first
  // unit (register marks, code strip). 0 without units.
  double smallestX() const;
  double smallestY() const;
  // "sheet 1: 13 units, used length 2656.0 mm, utilisation 71.3 %"
  std::string summary(double width) const;

 private:
  int number_;
  std::vector<PlacedUnit> units_;
};
