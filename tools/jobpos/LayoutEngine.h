// One instance of the layout engine, reached only through the public C
// header. Every call that answers false throws ToolError(1) naming the
// call, with the library's error record of it; the calls that answer
// nothing hand back the error record they caused ("" for none). The
// instance is disposed with this object.
#pragma once

#include <string>
#include <vector>

#include "JobText.h"

// What init takes: the arrangement kind and the media.
struct MediaSettings {
  int kind = 0;
  double gapScan = 0.0;  // mm between units across the media
  double gapFeed = 0.0;  // mm between units along the media
  bool centerInScan = false;
  double width = 0.0;    // printable width, mm
  double length = -1.0;  // printable length, mm; -1 an unlimited roll
  double twinWidth1 = 0.0;
  double twinWidth2 = 0.0;
};

// The seven arguments of alignmentTilingPositionExec, in its order.
struct TilingSettings {
  bool pairFirst = false;         // 1: paired placement, first switch
  double pageGap = 0.0;           // 2: mm, to the size calculation
  bool afterFeed = false;         // 3: after-feed switch
  bool pairSecond = false;        // 4: paired placement, second switch
  double pairColumnOffset = 0.0;  // 5: mm, scan offset of the second column; <= 0 pairs rows
  int pairCount = 0;              // 6: 2 or more for the paired placement
  double pairRowWidthLimit = 0.0; // 7: mm, the width limit of a paired row
};

// The six arguments of alignmentXYSlitterPositionExec, in its order.
struct SlitterSettings {
  bool centerInScan = false;
  double gapScan = 0.0;  // mm
  double gapFeed = 0.0;  // mm
  double width = 0.0;    // printable width, mm
  double length = -1.0;  // printable length, mm; -1 an unlimited roll
  unsigned variant = 0;  // layout variant
};

// The rectangle alignmentJobPositionExec hands back for sheet 1.
struct SheetRect {
  double x = 0.0, y = 0.0, width = 0.0, height = 0.0;
};

class LayoutEngine {
 public:
  LayoutEngine();
  ~LayoutEngine();
  LayoutEngine(const LayoutEngine&) = delete;
  LayoutEngine& operator=(const LayoutEngine&) = delete;

  void init(const MediaSettings& media);
  std::string addJob(const std::string& jobText);
  // Adds every job; throws ToolError(2) naming the file of a job the
  // library cannot read, with its error record.
  void addJobs(const std::vector<JobText>& jobs);
  std::string addDeviceFunctionParam(const std::string& xmlText);
  std::string addOptiScoutCutConditions(const std::string& xmlText);
  SheetRect arrange(double positionOffset);
  // Lays out the tiles of the first job added.
  void tile(const TilingSettings& tiling);
  // Arranges the jobs as a group by the grouping kind given to init.
  void group();
  // Variable data under key (a member's JobID), for the jig run.
  void addVariableData(const std::string& key, const std::string& xmlText);
  // The jig run for the target job; throws ToolError(1) when it answers false.
  void arrangeJig(const std::string& jigXmlText, const std::string& targetJobId);
  // The jig of the jig grouping kinds (InitJigParam); hands back the error
  // record it caused ("" for none).
  std::string initJig(const std::string& xmlText);
  // The stand-alone XY slitter arrangement of the jobs.
  void slitter(const SlitterSettings& slitter);
  // Every job's text as the library hands it back, in the order added.
  std::vector<std::string> jobTexts();

 private:
  void* instance_ = nullptr;
};
