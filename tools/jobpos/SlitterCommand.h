// jobpos slitter: arranges job files for an automatic XY slitter through
// alignmentXYSlitterPositionExec (the media comes with the call, not with
// init), writes every job's text as the library returns it into the
// output folder and, on request, the picture with the slitter's cut lines
// and the JSON, checks the layout and prints the figures of every sheet.
#pragma once

#include <string>
#include <vector>

class SlitterCommand {
 public:
  // The text of "jobpos slitter --help".
  static std::string help();
  // Returns the exit status; throws ToolError for usage, file and library
  // failures (nothing is written then).
  static int run(const std::vector<std::string>& args);
};
