// How much media one job occupies once printed with everything around it:
// the trimmed and deskewed image, cut line, register marks, label, copies,
// pages, panels and tiles. Sizes are (width, height) in millimetres, width
// across the media (scan), height along it (feed).
//
// The calculator holds the jobs of a run (not owned) and looks each job up
// by its "JobID"; the register marks, margins and page-feed mode come from
// the "Print" section of the run's primary job. A job that is not in the
// list has the size (0, 0); so has a size with a NaN or infinite part.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "unitCmnJobParam/JobParam.h"
#include "unitCmnJobSizeCalc/Geometry.h"

class JobSizeCalc {
 public:
  JobSizeCalc();
  JobSizeCalc(const std::vector<JobParam*>& jobs, bool afterFeed, double pageGap);

  // The jobs of the run (null pointers are left out) and the creator's
  // settings for the multi-page size: whether "afterFeed" is added at each
  // page break, and the page gap in mm. Reads the primary job's "Print":
  // the job named by the first job's "GroupingPrimary", else by its
  // "Primary"; the first job itself when no job has that "JobID".
  void setJobList(const std::vector<JobParam*>& jobs, bool afterFeed, double pageGap);

  // The size of the job's whole layout: multi-page when "pages" is not 1,
  // else copies when "duplicateCount" is 2 or more, else the panel size
  // when "paneling" is set with a non-zero "panelType", else the single
  // size.
  specialityType::DimDouble getJobSize(const std::string& jobID) const;

  // One image with its cut line, register marks and label.
  specialityType::DimDouble getSingleSize(const std::string& jobID) const;
  // ("panelScanSize", "panelFeedSize"), or for "panelType" 6 the grid of
  // seals.
  specialityType::DimDouble getPanelSize(const std::string& jobID) const;
  // The copies in rows of "duplicateScanCount", or the union of the
  // placed binary units when the copies are not laid out regularly.
  specialityType::DimDouble getCopiesSize(const std::string& jobID) const;
  // The pages of "targetPrintPages" one below the other, each with its
  // rows of copies, or the union of the placed binary units.
  specialityType::DimDouble getMultiPageSize(const std::string& jobID) const;
  // Tile (i, j) of a tiled job, both counted from 1 (see TileSizeCalc).
  specialityType::DimDouble getTileSize(const std::string& jobID, int i, int j) const;

  // The first job of the list whose "JobID" is jobID, or null.
  const JobParam* findJob(const std::string& jobID) const;
  // The index of the run's primary job: the job named by the first job's
  // "GroupingPrimary", else by its "Primary"; the first job (0) when no
  // job has that "JobID".
  static std::size_t primaryIndex(const std::vector<JobSection>& jobs);
  // The primary job's "Print" (all zero when the list is empty).
  const PrintSection& primaryPrint() const { return primaryPrint_; }

 private:
  using Size = specialityType::DimDouble;

  // Looks the job and its "Composite" up and measures it with layout;
  // (0, 0) for an unknown job or a job without "Composite".
  template <class Layout>
  Size measure(const std::string& jobID, Layout&& layout) const;

  void readPrimaryPrint();

  Size jobSize(const JobParam& job, const CompositeSection& c) const;
  Size singleSize(const CompositeSection& c) const;
  Size panelSize(const CompositeSection& c) const;
  Size sealsSize(const CompositeSection& c) const;
  Size copiesSize(const JobParam& job, const CompositeSection& c) const;
  Size multiPageSize(const JobParam& job, const CompositeSection& c) const;
  // The extra height of the page breaks of a regular multi-page job.
  double pageBreaks(const CompositeSection& c, int pages, double totalRows) const;
  // The union of the job's binary units, each of size unit at its total
  // offset; (0, 0) when the job has none.
  static Size unitsUnion(const JobParam& job, const Size& unit);

  std::vector<JobParam*> jobs_;
  bool afterFeed_ = false;
  double pageGap_ = 0.0;  // mm
  PrintSection primaryPrint_;
};
