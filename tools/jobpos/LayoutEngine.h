// One instance of the layout engine, reached only through the public C
// header. Every call that answers false throws ToolError(1) naming the
// call; the instance is disposed with this object.
#pragma once

#include <string>
#include <vector>

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
  void addJob(const std::string& jobText);
  void addDeviceFunctionParam(const std::string& xmlText);
  void addOptiScoutCutConditions(const std::string& xmlText);
  SheetRect arrange(double positionOffset);
  // Variable data under key (a member's JobID), for the jig run.
  void addVariableData(const std::string& key, const std::string& xmlText);
  // The jig run for the target job; throws ToolError(1) when it answers false.
  void arrangeJig(const std::string& jigXmlText, const std::string& targetJobId);
  // Every job's text as the library hands it back, in the order added.
  std::vector<std::string> jobTexts();

 private:
  void* instance_ = nullptr;
};
