// The jobs of one arrangement run, each read once at the start (see
// RunJob). Entries refer to their job by its index here. The steps of the
// run read the records from here and put their results here; commit()
// then writes each job's changed sections, each section once.
#pragma once

#include <cstddef>
#include <vector>

#include "unitCmnAlignmentJobPosition/frame/RunJob.h"

class RunJobs {
 public:
  // REQUIRES: no job is null.
  explicit RunJobs(const std::vector<JobParam*>& jobs);

  std::size_t size() const { return jobs_.size(); }
  bool empty() const { return jobs_.empty(); }
  RunJob& operator[](std::size_t k) { return jobs_[k]; }
  const RunJob& operator[](std::size_t k) const { return jobs_[k]; }

  // The first job's "Print": the run's register marks, label and re-print
  // settings (defaults when there is no job).
  const PrintSection& firstPrint() const;
  // The primary job's "Print", as the size calculation takes it.
  const PrintSection& primaryPrint() const;
  // What new arrangement sections start from: the first job's "Arrange1",
  // else its first arrangement section, else the defaults.
  const ArrangeSection& arrangeTemplate() const { return template_; }

  // The first job's register marks go around the whole layout from now on.
  void putMarksAroundLayout();
  // Writes what the run changed into the jobs.
  void commit();

 private:
  std::vector<RunJob> jobs_;
  std::size_t primary_ = 0;
  PrintSection noPrint_;
  ArrangeSection template_;
};
