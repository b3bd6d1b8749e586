// jobpos arrange: hands the job files to the library, arranges them by the
// kind asked for, writes every job's text as the library returns it into
// the output folder (and, on request, the picture), and prints the
// rectangle of sheet 1 and the figures of every sheet.
#pragma once

#include <string>
#include <vector>

class ArrangeCommand {
 public:
  // The text of "jobpos arrange --help".
  static std::string help();
  // Returns the exit status; throws ToolError for usage, file and library
  // failures (nothing is written then).
  static int run(const std::vector<std::string>& args);
};
