// The library's error records (severity 13), kept as they arrive, so that
// a call that answers false, or a parameter text the library could not
// read, is reported with the library's own reason. Installed at start-up;
// once a sink is in place Boost.Log no longer prints every record itself.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

class LibraryErrors {
 public:
  static void install();
  // How many error records arrived so far: a mark for since().
  static std::size_t count();
  // The records after mark, each as one line: its function and message.
  static std::vector<std::string> since(std::size_t mark);
  // The last record after mark, or "" when none arrived.
  static std::string lastSince(std::size_t mark);
};
