#include "unitCmnParamIo/ParamIoCSV.h"

#include <boost/filesystem/operations.hpp>
#include <boost/tokenizer.hpp>
#include <fstream>
#include <istream>
#include <sstream>

#include "unitCmnExceptions/InputLimit.h"
#include "unitCmnExceptions/unitCmnGuard.h"
#include "unitCmnLib/CharCodeConvert.h"
#include "unitCmnLib/FileIo.h"
#include "unitCmnParamIo/ParamIoLimits.h"

namespace {

using Separator = boost::escaped_list_separator<char>;
using Tokenizer = boost::tokenizer<Separator>;

// Backslash escapes, comma separates, double quote groups.
constexpr char kEscape = '\\';
constexpr char kSeparator = ',';
constexpr char kQuote = '"';

// One line's cells. A malformed escape surfaces while the tokens are
// walked; its message ("unknown escape sequence", "cannot end with
// escape") becomes the exception's comment.
// cells counts the cells of the text so far; the cell past the limit is
// refused before it is stored.
ParamIoCSV::Row splitLine(const std::string& line, size_t& cells, const SourceSite& site) {
  ParamIoCSV::Row row;
  try {
    Tokenizer tokens(line, Separator(kEscape, kSeparator, kQuote));
    for (const std::string& cell : tokens) {
      InputLimit::require(site, "CSV cell count", ++cells, ParamIoLimits::kMaxCsvCells, "cells");
      row.push_back(cell);
    }
  } catch (const boost::escaped_list_error& e) {
    unitCmnGuard::raise(site, e.what());
  }
  return row;
}

// One row per line, as std::getline delimits them (no row after a final
// newline); a carriage return ending a line is part of its line end.
std::vector<ParamIoCSV::Row> splitLines(std::istream& in, const SourceSite& site) {
  std::vector<ParamIoCSV::Row> rows;
  std::string line;
  size_t cells = 0;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    InputLimit::require(site, "CSV row count", rows.size() + 1, ParamIoLimits::kMaxCsvRows,
                        "rows");
    rows.push_back(splitLine(line, cells, site));
  }
  if (in.bad()) unitCmnGuard::raise(site, "cannot read file");
  return rows;
}

void requireTextSize(const SourceSite& site, unsigned long long size) {
  InputLimit::require(site, "CSV text", size, ParamIoLimits::kMaxTextBytes, "bytes");
}

}  // namespace

ParamIoCSV::ParamIoCSV() : AbParamIo({".csv"}) {}

ParamIoCSV::~ParamIoCSV() = default;

bool ParamIoCSV::readFile(const std::string& path) {
  const SourceSite site = UNITCMN_SITE;
  return unitCmnGuard::run(site, [&] {
    rows_.clear();
    currentRow_ = 0;
    currentColumn_ = 0;
    if (!checkExtension(path) || !fileExist(path) || !CharCodeConvert::isUtf8(path)) return false;
    // A folder opens as a stream on POSIX and would read as no lines.
    boost::system::error_code error;
    if (!boost::filesystem::is_regular_file(path, error))
      unitCmnGuard::raise(site, "cannot read file: not a regular file");
    // Refused from its size, without being read.
    const auto size = boost::filesystem::file_size(path, error);
    if (error) unitCmnGuard::raise(site, "cannot read file: " + error.message());
    requireTextSize(site, size);
    std::ifstream in(path, std::ios::in | std::ios::binary);
    if (!in) unitCmnGuard::raise(site, "cannot open file");
    rows_ = splitLines(in, site);
    return true;
  });
}

bool ParamIoCSV::readText(const std::string& text) {
  const SourceSite site = UNITCMN_SITE;
  return unitCmnGuard::run(site, [&] {
    rows_.clear();
    currentRow_ = 0;
    currentColumn_ = 0;
    if (text.empty()) return false;
    requireTextSize(site, text.size());
    std::istringstream in(text);
    rows_ = splitLines(in, site);
    return true;
  });
}

bool ParamIoCSV::writeFile(const std::string& path) {
  const SourceSite site = UNITCMN_SITE;
  return unitCmnGuard::run(site, [&] {
    if (!checkExtension(path) || !filePathExist(path) || !fileCreate(path) || !CharCodeConvert::isUtf8(path))
      return false;
    KvnCommnLibs::FileIo file;
    if (!file.open(path)) return false;
    const std::string text = toText();
    const bool written = file.write(text.data(), text.size());
    if (!file.close() || !written) unitCmnGuard::raise(site, "write error");
    return true;
  });
}

void ParamIoCSV::getCell(size_t row, size_t column, std::string& out) const {
  unitCmnGuard::run(UNITCMN_SITE, [&] {
    out.clear();
    const Row& cells = rows_.at(row);  // out_of_range beyond the last row
    if (column < cells.size()) out = cells[column];
  });
}

std::string ParamIoCSV::toText() const {
  return unitCmnGuard::run(UNITCMN_SITE, [&] {
    std::string text;
    for (const Row& row : rows_) {
      for (size_t i = 0; i < row.size(); ++i) {
        if (i > 0) text += ',';
        text += row[i];
      }
      text += '\n';
    }
    return text;
  });
}
