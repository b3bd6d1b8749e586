// What a command that lays out sheets reports besides its own lines: the
// layout check on stderr, the figures over all sheets, the result as JSON
// for scripts, and the exit status (3 when the layout needs attention and
// the operator did not allow warnings).
#pragma once

#include <cstdio>
#include <string>

#include "CommandLine.h"
#include "LayoutCheck.h"
#include "LayoutEngine.h"
#include "SheetLayout.h"

class LayoutReport {
 public:
  // The layout must outlive the report.
  LayoutReport(const SheetLayout& layout, const SheetMedia& media);

  const LayoutCheck& check() const { return check_; }
  double totalUsedLength() const;
  // Unit area over width x used length, over every sheet; 0 when empty.
  double overallUtilisation() const;
  // "total: 2 sheets, 21 units, used length 6316.0 mm, utilisation 88.4 %".
  std::string totalLine() const;
  // The JSON document (schema in docs/jobpos.md); rect: the rectangle the
  // execution handed back, when it hands one back.
  std::string json(const std::string& command, const SheetRect* rect) const;
  // Every warning of the check on stderr, one line each.
  void printWarnings() const;
  int status(bool allowWarnings) const;

  // Where a command prints its own lines: stdout, or stderr when the JSON
  // goes to stdout ("--json -").
  static std::FILE* linesTo(const CommandLine& line);
  static bool jsonToStdout(const CommandLine& line);

 private:
  const SheetLayout& layout_;
  SheetMedia media_;
  LayoutCheck check_;
};
