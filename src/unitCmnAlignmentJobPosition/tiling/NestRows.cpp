#include "unitCmnAlignmentJobPosition/tiling/NestRows.h"

#include <algorithm>

NestRows::Step NestRows::add(double width, double height) {
  if (!started_) {
    started_ = true;
    startRow(width, height);
    return Step::FirstRow;
  }
  if (rowEnd_ + limits_.gapScan + width < limits_.width) {
    rowEnd_ += limits_.gapScan + width;
    rowHeight_ = std::max(rowHeight_, height);
    return Step::SameRow;
  }
  completeRow();
  startRow(width, height);
  if (!limits_.closesSheets || !(height + sheet_.height + limits_.gapFeed > limits_.length))
    return Step::NewRow;
  closedSheet_ = sheet_;
  sheet_ = Block();
  return Step::NewSheet;
}

NestRows::Block NestRows::finish() {
  completeRow();
  return sheet_;
}

void NestRows::completeRow() {
  sheet_.width = std::max(sheet_.width, rowEnd_);
  if (sheet_.height != 0) sheet_.height += limits_.gapFeed;
  sheet_.height += rowHeight_;
  completedRowHeight_ = rowHeight_;
}

void NestRows::startRow(double width, double height) {
  rowEnd_ = width;
  rowHeight_ = height;
}
