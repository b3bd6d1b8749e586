// jobpos show: draws the arrangement that job files already hold, however
// they were arranged, without calling the library.
#pragma once

#include <string>
#include <vector>

class ShowCommand {
 public:
  static int run(const std::vector<std::string>& args);
};
