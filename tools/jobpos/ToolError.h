// A failure that ends the command: one line for stderr and the exit status.
#pragma once

#include <stdexcept>
#include <string>

class ToolError : public std::runtime_error {
 public:
  // Exit statuses of jobpos.
  static constexpr int kLibraryFalse = 1;  // a library call answered false
  static constexpr int kUsage = 2;         // bad command line, missing or unreadable file
  static constexpr int kNeedsAttention = 3;  // arranged, but the layout check found problems

  ToolError(int status, const std::string& message);
  int status() const { return status_; }

 private:
  int status_;
};
