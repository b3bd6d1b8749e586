#include "unitCmnAlignmentJobPosition/frame/ArrangeEntryBuilder.h"

#include <algorithm>
#include <cmath>

#include "unitCmnAlignmentJobPosition/ArrangeLimits.h"
#include "unitCmnAlignmentJobPosition/frame/CompositeTurn.h"
#include "unitCmnAlignmentJobPosition/frame/PrintedPages.h"
#include "unitCmnExceptions/InputLimit.h"
#include "unitCmnExceptions/unitCmnGuard.h"
#include "unitCmnJobSizeCalc/JobLabel.h"
#include "unitCmnJobSizeCalc/TileSizeCalc.h"

namespace {

constexpr double kDegreesToRadians = 0.017453292519943295;
constexpr double kPointsToMm = 25.4 / 72.0;

// The tiles a tiled job prints: "tilePrintTile", else the whole grid.
std::vector<IntPair> printedTiles(const CompositeSection& c) {
  if (!c.tilePrintTile.empty()) return c.tilePrintTile;
  std::vector<IntPair> tiles;
  for (int j = 1; j <= c.tileFeedDivision; ++j)
    for (int i = 1; i <= c.tileScanDivision; ++i) tiles.push_back({i, j});
  return tiles;
}


}  // namespace

ArrangeEntryBuilder::ArrangeEntryBuilder(const RunJobs& run)
    : run_(run), marks_(MarkSettings::of(run.firstPrint())) {}

long long ArrangeEntryBuilder::generatedCount(const CompositeSection& c) {
  if (c.tiling)
    return c.tilePrintTile.empty()
               ? static_cast<long long>(std::max(0, c.tileScanDivision)) * std::max(0, c.tileFeedDivision)
               : static_cast<long long>(c.tilePrintTile.size());
  return PrintedPages::count(c) * std::max(1, c.duplicateCount);
}

std::vector<ArrangeEntryBuilder::Unit> ArrangeEntryBuilder::generatedUnits(const RunJob& job) {
  const CompositeSection& c = job.composite;
  std::vector<Unit> units;
  if (c.tiling) {
    for (const IntPair& tile : printedTiles(c)) units.push_back({"", 1, 1, 1, tile[0], tile[1]});
  } else {
    const int perRow = std::max(1, c.duplicateScanCount);
    for (int page : PrintedPages::of(c))
      for (int copy = 1; copy <= std::max(1, c.duplicateCount); ++copy)
        units.push_back({"", page, (copy - 1) / perRow + 1, copy, 0, 0});
  }
  for (Unit& u : units)
    u.name = JobParam::binaryUnitSectionName(job.compositeId, u.page, u.tile1, u.tile2, u.copy,
                                             u.row);
  return units;
}

std::vector<ArrangeEntryBuilder::Unit> ArrangeEntryBuilder::unitsOf(const RunJob& job,
                                                                    long long& total) {
  const auto& sections = job.units;
  const std::string& id = job.compositeId;
  // Counted before anything is made, so an absurd copy count is refused
  // rather than allocated.
  ArrangeLimits::requireTileGrid(id, job.composite);
  total += sections.empty() ? generatedCount(job.composite)
                            : static_cast<long long>(sections.size());
  if (total > ArrangeLimits::kMaxUnitsPerRun)
    unitCmnGuard::raise(UNITCMN_SITE,
                        InputLimit::message("the run's unit count", ArrangeLimits::kMaxUnitsPerRun,
                                            "units", std::to_string(total) + " at job " + id));
  if (sections.empty()) return generatedUnits(job);
  std::vector<Unit> units;
  for (const auto& s : sections) {
    const BinaryUnitSection& b = s.second;
    units.push_back({s.first, b.pageNumber, b.rowNumber, b.copyNumber, b.tileNumber[0],
                     b.tileNumber[1]});
  }
  return units;
}

ArrangeEntry ArrangeEntryBuilder::entryOf(const RunJob& job, const Unit& unit) const {
  const CompositeSection& c = job.composite;
  const std::string& id = job.compositeId;
  ArrangeEntry e;
  e.CompositeId = id;
  e.StrCompositeKey = unit.name;
  e.PageNum = unit.page;
  e.RowNum = unit.row;
  e.CopyNum = unit.copy;
  e.Tile1 = unit.tile1;
  e.Tile2 = unit.tile2;
  e.Deskew = c.deskew;
  e.NoRotationTile = c.tiling;
  e.NoRotationDeskew = c.deskew != 0.0;
  e.NoRotationLocked = c.duplicatePositionLock;
  if (c.tiling) {
    const auto tile = TileSizeCalc::size(c, run_.primaryPrint(), unit.tile1, unit.tile2);
    e.MmWidth = tile.width;
    e.MmHeight = tile.height;
    // Tiles from 1; any other number has no size and is refused below.
    const bool inGrid = unit.tile1 >= 1 && unit.tile2 >= 1;
    const int turn = inGrid ? TileSizeCalc::rotation(c, unit.tile1 - 1, unit.tile2 - 1) : 0;
    e.Rotation =
        static_cast<uint32_t>(CompositeTurn::normalized(static_cast<long long>(c.rotate) + turn));
  } else {
    const double w = c.scale[0] - c.trimLeft - c.trimRight;
    const double h = c.scale[1] - c.trimTop - c.trimBottom;
    const double a = std::fabs(c.deskew) * kDegreesToRadians;
    e.MmWidth = c.deskew == 0.0 ? w : std::cos(a) * w + std::sin(a) * h;
    e.MmHeight = c.deskew == 0.0 ? h : std::cos(a) * h + std::sin(a) * w;
    e.Rotation = static_cast<uint32_t>(CompositeTurn::normalized(c.rotate));
    const double cutLine = c.printCutline ? 2 * c.cutlineWidth * kPointsToMm : 0.0;
    const double label = JobLabel::printed(c) && !c.paneling ? JobLabel::height(c, run_.firstPrint()) : 0.0;
    e.ExtraWidth = cutLine;
    e.ExtraHeight = cutLine + label;
    e.MmWidth += e.ExtraWidth;
    e.MmHeight += e.ExtraHeight;
  }
  if (marks_.aroundEntries()) {
    const double allowance = marks_.entryAllowance();
    e.MmWidth += allowance;
    e.MmHeight += allowance;
    e.ExtraWidth += allowance;
    e.ExtraHeight += allowance;
    e.KeepExtraHeight = true;
  }
  if (!(std::isfinite(e.MmWidth) && std::isfinite(e.MmHeight) && e.MmWidth > 0 && e.MmHeight > 0))
    unitCmnGuard::raise(UNITCMN_SITE, "job " + id + ": unit " + unit.name +
                                          " has no size that can be placed (" +
                                          std::to_string(e.MmWidth) + " x " +
                                          std::to_string(e.MmHeight) + " mm)");
  return e;
}

std::vector<ArrangeEntry> ArrangeEntryBuilder::build() const {
  return unitCmnGuard::run(UNITCMN_SITE, [&] {
    std::vector<ArrangeEntry> entries;
    long long total = 0;
    for (size_t k = 0; k < run_.size(); ++k) {
      for (const Unit& unit : unitsOf(run_[k], total)) {
        entries.push_back(entryOf(run_[k], unit));
        entries.back().JobIdx = static_cast<int32_t>(k);
        entries.back().OrderNum = static_cast<int32_t>(entries.size());
      }
    }
    return entries;
  });
}
