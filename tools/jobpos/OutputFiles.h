// The files a command writes, kept until everything is known to have
// worked. commit() writes each text under a temporary name beside its
// target and renames only when every write succeeded, so a failure leaves
// no half-written or partly replaced output.
#pragma once

#include <boost/filesystem/path.hpp>
#include <string>
#include <utility>
#include <vector>

#include "JobText.h"

class OutputFiles {
 public:
  // Throws ToolError(2) when two outputs would land on the same path.
  void add(const boost::filesystem::path& target, std::string text);
  // The texts the library handed back for `jobs` (one each, in order),
  // each added under the job file's name in outDir and answered as a job
  // named after its target. Throws ToolError(kLibraryFalse) when the
  // library handed back another number of texts.
  std::vector<JobText> addArranged(const std::vector<JobText>& jobs,
                                   const std::vector<std::string>& texts,
                                   const boost::filesystem::path& outDir);
  // Makes missing folders and writes; throws ToolError(2) naming the file
  // that could not be written (temporaries are removed).
  void commit();

 private:
  std::vector<std::pair<boost::filesystem::path, std::string>> files_;
};
