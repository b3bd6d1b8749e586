// A comma-separated data file in memory as rows of text cells. A line is
// split with Boost.Tokenizer's escaped-list separator: backslash escapes,
// double quotes group (and are removed), comma separates. Rows may have
// different cell counts. Written back unquoted and unescaped.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "unitCmnParamIo/AbParamIo.h"

class ParamIoCSV : public AbParamIo {
 public:
  using Row = std::vector<std::string>;

  ParamIoCSV();
  ~ParamIoCSV() override;
  ParamIoCSV(const ParamIoCSV&) = default;
  ParamIoCSV& operator=(const ParamIoCSV&) = default;

  bool readFile(const std::string& path) override;
  bool readText(const std::string& text) override;
  bool writeFile(const std::string& path) override;

  // Empties out, then copies the cell; a column beyond the row leaves out
  // empty; a row beyond the rows raises.
  void getCell(size_t row, size_t column, std::string& out) const;
  size_t rowCount() const { return rows_.size(); }
  const std::vector<Row>& rows() const { return rows_; }
  // Each row's cells joined with "," and ended by a newline.
  std::string toText() const;

 private:
  std::vector<Row> rows_;
  int currentRow_ = 0;
  int currentColumn_ = 0;
};
