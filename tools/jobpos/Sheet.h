// The units placed on one sheet (one "Arrange" + n number across all
// jobs) and the figures an operator reads from them.
#pragma once

#include <array>
#include <string>
#include <vector>

// The sides of a unit as drawn: top and bottom along the feed, left and
// right across it.
enum UnitSide { kTop, kBottom, kLeft, kRight };
constexpr int kUnitSides = 4;

// The overlap one side of a tile carries: how far it reaches into the
// neighbouring panel (mm, 0 for none) and that neighbour's column and row.
struct TileOverlapSide {
  double depth = 0.0;
  int column = 0, row = 0;
};

// One placed binary unit, as drawn. Lengths are mm, x across the media
// (scan), y along it (feed).
struct PlacedUnit {
  std::string jobId;
  std::string section;  // its binary-unit section
  int jobIndex = 0;     // position of its job among the jobs shown
  int page = 0, copy = 0;
  int pages = 1;  // the job's Composite "pages"
  int tileScan = 0, tileFeed = 0;  // 0,0 for an untiled job
  std::array<TileOverlapSide, kUnitSides> overlaps{};  // tiles only, by UnitSide
  double x = 0.0, y = 0.0, width = 0.0, height = 0.0;
  int rotation = 0;  // the job's Composite "rotate", in [0, 360)
  bool cutLine = false;  // the job prints a cut line around it ("printCutline")
};

class Sheet {
 public:
  explicit Sheet(int number) : number_(number) {}

  int number() const { return number_; }
  void add(PlacedUnit unit) { units_.push_back(std::move(unit)); }
  const std::vector<PlacedUnit>& units() const { return units_; }

  // The length used from the media edge: the largest y + height.
  double usedLength() const;
  // The units' area within the printable width (a unit reaching past an
  // edge counts only its part on the media).
  double unitArea(double width) const;
  // Area of the units over width x used length; 0 when that is empty.
  double utilisation(double width) const;
  // The smallest offsets: the margin the layout leaves before its first
  // unit (register marks, code strip). 0 without units.
  double smallestX() const;
  double smallestY() const;
  // "sheet 1: 13 units, used length 2656.0 mm, utilisation 71.3 %";
  // noun names what is counted ("units", "tiles").
  std::string summary(double width, const char* noun = "units") const;

 private:
  int number_;
  std::vector<PlacedUnit> units_;
};
