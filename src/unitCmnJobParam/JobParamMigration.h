// Raises a job file of an older version to the current one. The steps are
// one table of rows (version below which the row applies, the section or
// family of sections it edits, the edit), in ascending version order and,
// within a version, in the order the rows must run. Every row whose version
// is above the file's version runs.
#pragma once

class JobParam;

class JobParamMigration {
 public:
  explicit JobParamMigration(JobParam& job) : job_(job) {}

  // REQUIRES: the job's version is a number (else "invalid stof argument").
  void run();

 private:
  JobParam& job_;
};
