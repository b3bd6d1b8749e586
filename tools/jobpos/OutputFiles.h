// The files a command writes, kept until everything is known to have
// worked. commit() writes each text under a temporary name beside its
// target and renames only when every write succeeded, so a failure leaves
// no half-written or partly replaced output.
#pragma once

#include <boost/filesystem/path.hpp>
#include <string>
#include <utility>
#include <vector>

class OutputFiles {
 public:
  // Throws ToolError(2) when two outputs would land on the same path.
  void add(const boost::filesystem::path& target, std::string text);
  // Makes missing folders and writes; throws ToolError(2) naming the file
  // that could not be written (temporaries are removed).
  void commit();

 private:
  std::vector<std::pair<boost::filesystem::path, std::string>> files_;
};
