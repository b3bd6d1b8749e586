// The media options that arrange and tile share: --kind, --width,
// --length, --gap and, where a command accepts them, --twin and --center.
#pragma once

#include "CommandLine.h"
#include "LayoutEngine.h"

class MediaOptions {
 public:
  // Reads the options into what init takes; throws ToolError(2) for a
  // width of 0 or less, a length that is neither above 0 nor -1, and
  // negative gaps or twin widths. The kind is read but not judged: each
  // command knows which kinds it takes.
  static MediaSettings read(const CommandLine& line);
};
