// The tiles a tiled job prints: the pairs of its "tilePrintTile", in their
// order, each with its size on the media. A job is a file a host may get
// wrong, so the list is checked before anything is laid out, and every
// fault refuses the run naming the job: a list that is not made of pairs,
// more tiles than one run places, a tile outside the job's grid (a grid of
// 0 columns or rows holds none), a tile listed twice (both would write the
// same binary-unit section), and a tile without a finite positive size.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "unitCmnJobParam/CompositeSection.h"
#include "unitCmnJobParam/PrintSection.h"

class TileList {
 public:
  struct Tile {
    IntPair number;  // (column, row), both from 1
    double width = 0.0;   // mm, across the media
    double height = 0.0;  // mm, along the media
  };

  // Raises unless text (the key's value as the job holds it) is empty or a
  // list of braced pairs such as "{1,1},{2,1}".
  static void checkText(const std::string& jobId, const std::string& text);

  // The tiles of composite's "tilePrintTile" with their sizes; print is the
  // job's "Print" (its register marks set the label gap).
  static std::vector<Tile> measure(const std::string& jobId, const CompositeSection& composite,
                                   const PrintSection& print);

 private:
  static void checkCount(const std::string& jobId, std::size_t count);
  static void checkInGrid(const std::string& jobId, const CompositeSection& composite,
                          const IntPair& tile);
  static Tile measured(const std::string& jobId, const CompositeSection& composite,
                       const PrintSection& print, const IntPair& tile);
};
