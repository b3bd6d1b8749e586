// The CSV reader on arbitrary text. The writer neither quotes nor escapes,
// so only rows whose cells hold none of the characters that would need it
// (comma, double quote, backslash, line ends) must read back the same; and
// a row of one empty cell comes back as a row of none (getCell answers the
// empty text for both).
#include <cstddef>
#include <cstdint>
#include <string>

#include "FuzzCheck.h"
#include "unitCmnParamIo/ParamIoCSV.h"

namespace {

// A row of one empty cell as a row of none.
std::vector<ParamIoCSV::Row> normalised(std::vector<ParamIoCSV::Row> rows) {
  for (auto& row : rows)
    if (row.size() == 1 && row[0].empty()) row.clear();
  return rows;
}

bool writable(const std::vector<ParamIoCSV::Row>& rows) {
  for (const auto& row : rows)
    for (const std::string& cell : row)
      if (cell.find_first_of(",\"\\\r\n") != std::string::npos) return false;
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const bool quiet = (fuzzcheck::logOff(), true);
  (void)quiet;
  const std::string input(reinterpret_cast<const char*>(data), size);
  ParamIoCSV first;
  try {
    if (!first.readText(input)) return 0;
  } catch (...) {
    return 0;  // a malformed escape is refused by raising
  }
  for (size_t row = 0; row < first.rowCount(); ++row) {
    std::string cell;
    first.getCell(row, first.rows()[row].size(), cell);  // one beyond the row: empty
    if (!cell.empty()) fuzzcheck::fail("a cell beyond the row is not empty", input, cell);
  }
  if (!writable(first.rows())) return 0;
  const std::string written = first.toText();
  ParamIoCSV second;
  if (!second.readText(written) && !written.empty())
    fuzzcheck::fail("written CSV text does not read", input, written);
  if (normalised(second.rows()) != normalised(first.rows()))
    fuzzcheck::fail("CSV rows changed on their way through text", written, second.toText());
  return 0;
}
