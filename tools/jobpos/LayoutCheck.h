// The layout check an operator relies on before printing: on every sheet,
// units that overlap, units outside the printable width or past a finite
// sheet length, units larger than the media, and, on twin rolls, units
// that lie across the boundary between the rolls. Comparisons allow
// 0.001 mm, so units that only touch pass.
#pragma once

#include <string>
#include <vector>

#include "SheetLayout.h"

// The media a layout is checked against and drawn on.
struct SheetMedia {
  double width = 0.0;       // printable width, mm
  double length = -1.0;     // printable length, mm; 0 or less: an unlimited roll
  double twinStart = 0.0;   // where the second roll starts across; 0: one roll
  double firstRoll = 0.0;   // width of the first roll
  bool roll() const { return !(length > 0.0); }
  bool twin() const { return twinStart > 0.0; }
};

struct LayoutWarning {
  enum Kind { kOverlap, kOutside, kTooLarge, kAcrossRolls };
  Kind kind = kOverlap;
  int sheet = 0;
  const PlacedUnit* unit = nullptr;
  const PlacedUnit* other = nullptr;  // the unit it overlaps (kOverlap only)
  // The rectangle that needs attention: the overlap, or the unit.
  double x = 0.0, y = 0.0, width = 0.0, height = 0.0;
  std::string message;  // one line for the operator, with the numbers

  static const char* name(Kind kind);  // "overlap", "outside", ...
};

class LayoutCheck {
 public:
  static constexpr double kTolerance = 0.001;  // mm

  // The layout must outlive the check (warnings point at its units).
  LayoutCheck(const SheetLayout& layout, const SheetMedia& media);

  const std::vector<LayoutWarning>& warnings() const { return warnings_; }
  // The warnings of one sheet.
  std::vector<const LayoutWarning*> onSheet(int sheet) const;

 private:
  void checkSheet(const Sheet& sheet);
  void checkPlace(int sheet, const PlacedUnit& u);
  void checkOverlaps(const Sheet& sheet);
  void checkRolls(int sheet, const PlacedUnit& u);
  void add(LayoutWarning::Kind kind, int sheet, const PlacedUnit& u, const std::string& text);

  SheetMedia media_;
  std::vector<LayoutWarning> warnings_;
};
