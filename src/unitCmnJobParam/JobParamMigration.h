// Raises a job file of an older version to the current one. The migration
// works on the job's INI model alone: the steps are one table of rows
// (version below which the row applies, the section or family of sections
// it edits, the edit), in ascending version order and, within a version, in
// the order the rows must run. Every row whose version is above the file's
// version runs.
#pragma once

#include <string>

#include "unitCmnParamIo/ParamIoINI.h"

class JobParamMigration {
 public:
  // The version the last step of the table raises a file to.
  static constexpr const char* kCurrentVersion = "1.17";

  // Runs the steps above fileVersion on the model's sections and answers
  // the version the model now holds (kCurrentVersion). Writes no version
  // key; the caller records the answer.
  // REQUIRES: fileVersion is a number (else "invalid stof argument").
  static std::string run(ParamIoINI& model, const std::string& fileVersion);
};
