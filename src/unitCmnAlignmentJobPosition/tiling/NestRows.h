// Tiles in rows across the media, rows one below the other, and a new
// sheet when a new row would pass the length. A tile joins the current
// row when the row, a gap and the tile end before the width limit;
// otherwise it opens a new row. The nest arrangement walks the tiles twice
// (once for the size of each sheet's block, once to place them) with the
// same rows, so both walks break rows and sheets at the same tiles.
#pragma once

class NestRows {
 public:
  struct Limits {
    double width = 0.0;    // a row ends before this
    double gapScan = 0.0;  // between the tiles of a row
    double gapFeed = 0.0;  // between rows
    double length = 0.0;   // the rows of a sheet stay within this
    bool closesSheets = true;
  };

  // What adding a tile did.
  enum class Step { FirstRow, SameRow, NewRow, NewSheet };

  // The rows completed on a sheet: the widest and their height with the
  // gaps between them.
  struct Block {
    double width = 0.0;
    double height = 0.0;
  };

  explicit NestRows(const Limits& limits) : limits_(limits) {}

  Step add(double width, double height);
  // Completes the last row; answers the block of the last sheet.
  Block finish();

  // Where the current row ends across the media.
  double rowEnd() const { return rowEnd_; }
  // The height of the row the last NewRow or NewSheet completed.
  double completedRowHeight() const { return completedRowHeight_; }
  // The block of the sheet the last NewSheet closed.
  const Block& closedSheet() const { return closedSheet_; }

 private:
  void completeRow();
  void startRow(double width, double height);

  Limits limits_;
  bool started_ = false;
  double rowEnd_ = 0.0;
  double rowHeight_ = 0.0;
  double completedRowHeight_ = 0.0;
  Block sheet_;  // the rows completed on the current sheet
  Block closedSheet_;
};
