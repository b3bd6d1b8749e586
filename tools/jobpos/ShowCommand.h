// jobpos show: draws the arrangement that job files already hold, however
// they were arranged, without calling the library.
#pragma once

#include <string>
#include <vector>

class ShowCommand {
 public:
  // The text of "jobpos show --help".
  static std::string help();
  static int run(const std::vector<std::string>& args);
};
