// A cheap, linear look at an INI text before Boost.PropertyTree reads it:
// whether it holds more sections, keys, or keys in one section than
// ParamIoLimits allows. The reader makes a tree node per line, and the
// model a map entry and a list entry per key, so a text of tiny lines would
// cost many times its size; refusing it needs only a few counters.
//
// Lines are taken as the INI reader takes them: blank lines and comment
// lines (";" or "#" after leading blanks) are skipped, a line starting
// with "[" is a section header, any other line a key (a key before the
// first header becomes a section of its own). Malformed lines are not
// judged here: the reader reports them.
#pragma once

#include <string_view>

#include "unitCmnExceptions/SourceSite.h"

class IniShapeScan {
 public:
  // Raises through InputLimit at the first limit the text passes.
  static void check(std::string_view text, const SourceSite& site);
};
