// The arrangement that job texts hold, gathered per sheet: each job's
// "Arrange" + n sections name, in "compositeKeys", the binary-unit
// sections of that job on sheet n; a sheet is the union over all jobs.
//
// Unit sizes are worked out from the job's "Composite" (the library's own
// allowances, such as cut lines, labels and marks, are not known to a
// host and are left out):
//  - untiled: "scale" minus "trimLeft" + "trimRight" across and
//    "trimTop" + "trimBottom" along; with a non-zero "deskew" the bounding
//    box of that rectangle turned by the angle;
//  - tiled (the unit's "tileNumber" i,j both 1 or more): tile (i, j) with
//    its turn and its overlaps, as TileGeometry works it out (corner
//    marks, tile numbers and labels are left out).
// A unit's place is its "offset" plus every pair of its "offsetOfOffset".
#pragma once

#include <string>
#include <vector>

#include "JobText.h"
#include "Sheet.h"

// The register marks the first job's "Print" asks for (the library takes
// them from the first job).
struct RegisterMarks {
  int shape = 0;   // "registerMarkShape"; 0 none
  int target = 0;  // "registerMarkTarget": 0 around the layout, 1 around each unit
  double size = 0.0, offset = 0.0;  // "registerMarkSize", "registerMarkOffset", mm
  bool fillAround = false;          // "registerMarkFillAround"
  bool aroundLayout() const { return shape != 0 && target == 0; }
  bool aroundEachUnit() const { return shape != 0 && target == 1; }
  // The margin the library leaves before the layout for marks around it.
  double margin() const;
};

class SheetLayout {
 public:
  // asGiven: the same jobs as the operator gave them, for their names (a
  // job text handed back keeps only the keys the library knows).
  explicit SheetLayout(const std::vector<JobText>& jobs,
                       const std::vector<JobText>& asGiven = {});

  // Sheets in ascending number; sheets without units are left out.
  const std::vector<Sheet>& sheets() const { return sheets_; }
  // Job identifiers in the order of the jobs (PlacedUnit::jobIndex).
  const std::vector<std::string>& jobIds() const { return jobIds_; }
  // Each job's name: the "Job" section's "JobName", else its file name.
  const std::vector<std::string>& jobNames() const { return jobNames_; }
  // Problems met (a listed unit without its section, a job without a size).
  const std::vector<std::string>& warnings() const { return warnings_; }
  // The printable area an "Arrange" section records (width, length); 0 and
  // -1 when none records one.
  double recordedWidth() const { return recordedWidth_; }
  double recordedLength() const { return recordedLength_; }
  size_t unitCount() const;
  const RegisterMarks& marks() const { return marks_; }

 private:
  void addJob(const JobText& job, int jobIndex);
  bool unitOf(const JobText& job, const std::string& section, PlacedUnit& unit);
  Sheet& sheet(int number);

  std::vector<Sheet> sheets_;
  std::vector<std::string> jobIds_;
  std::vector<std::string> jobNames_;
  std::vector<std::string> warnings_;
  double recordedWidth_ = 0.0;
  double recordedLength_ = -1.0;
  RegisterMarks marks_;
};
