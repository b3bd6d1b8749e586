// jobpos group: arranges a set of job files as one group (one of them the
// grouping primary) by a grouping kind through
// alignmentGroupingJobPositionExec, writes every job's text as the library
// returns it into the output folder (and, on request, the picture: each
// member in its colour, locked units hatched, the group duplicates and the
// group margins marked), and prints the group and the figures of every
// sheet.
#pragma once

#include <string>
#include <vector>

class GroupCommand {
 public:
  // The text of "jobpos group --help".
  static std::string help();
  // Returns the exit status; throws ToolError for usage, file and library
  // failures (nothing is written then).
  static int run(const std::vector<std::string>& args);
};
