// jobpos read: hands every job file to the library and writes the text the
// library gives back for each job into the output folder under the job's
// file name (older job files come back raised to the current version).
#pragma once

#include <string>
#include <vector>

class ReadCommand {
 public:
  // The text of "jobpos read --help".
  static std::string help();
  static int run(const std::vector<std::string>& args);
};
