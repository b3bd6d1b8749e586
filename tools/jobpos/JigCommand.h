// jobpos jig: hands the job files, the variable data of the members and
// the jig to the library, runs the jig execution for the target job,
// writes every job's text as the library returns it into the output folder
// (and, on request, the picture of the jig, JigPicture), and prints what
// each filling of the jig holds.
#pragma once

#include <string>
#include <vector>

class JigCommand {
 public:
  // The text of "jobpos jig --help".
  static std::string help();
  // Returns the exit status; throws ToolError for usage, file and library
  // failures (nothing is written then).
  static int run(const std::vector<std::string>& args);
};
