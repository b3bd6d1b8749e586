// What a cutter needs around and between the units of a guillotine layout,
// in millimetres: the room its marks and minimum cut-line offsets take at
// the four edges of the area (inside the printable area), the least gap
// between two units, and the bleed printed beyond each unit's cut lines,
// which stays inside the unit's cell.
#pragma once

struct CutterLayout {
  double left = 0.0, right = 0.0, top = 0.0, bottom = 0.0;
  double gap = 0.0;  // least gap between cells, both ways
  double bleedTop = 0.0, bleedBottom = 0.0, bleedLeft = 0.0, bleedRight = 0.0;
};
