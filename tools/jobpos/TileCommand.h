// jobpos tile: lays out the tiles of one tiled job by a tiling kind (6, 7
// or 8) through alignmentTilingPositionExec, writes the job's text as the
// library returns it into the output folder (and, on request, the picture
// of every sheet: each tile labelled with its (column,row), the overlaps
// shaded), and prints how many tiles each sheet holds and its used length.
#pragma once

#include <string>
#include <vector>

class TileCommand {
 public:
  // The text of "jobpos tile --help".
  static std::string help();
  // Returns the exit status; throws ToolError for usage, file and library
  // failures (nothing is written then).
  static int run(const std::vector<std::string>& args);
};
