// The media options that arrange and tile share: --kind, --width,
// --length, --gap and, where a command accepts them, --twin and --center.
#pragma once

#include "CommandLine.h"
#include "KindTable.h"
#include "LayoutCheck.h"
#include "LayoutEngine.h"

class MediaOptions {
 public:
  // Reads the options into what init takes; throws ToolError(2) for a
  // width of 0 or less, a length that is neither above 0 nor -1, and
  // negative gaps or twin widths, and a twin geometry whose first roll is
  // wider than where the second starts, or whose second roll starts
  // outside the width. The kind is read but not judged: each command knows
  // which kinds it takes.
  static MediaSettings read(const CommandLine& line);
  // read() for a command that takes the kinds of one family only; another
  // kind is refused with `takes`, the family's kinds and the kind given
  // ("group takes the grouping kinds 13-26,29,30, not 5").
  static MediaSettings readFor(const CommandLine& line, KindFamily family, const char* takes);
  // The media the layout is checked against and drawn on; the two rolls
  // only for a kind that uses them.
  static SheetMedia sheetOf(const MediaSettings& media);
};
