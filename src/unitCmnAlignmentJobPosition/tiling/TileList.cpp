#include "unitCmnAlignmentJobPosition/tiling/TileList.h"

#include <cctype>
#include <cmath>
#include <set>

#include "unitCmnAlignmentJobPosition/ArrangeLimits.h"
#include "unitCmnExceptions/InputLimit.h"
#include "unitCmnExceptions/unitCmnGuard.h"
#include "unitCmnJobSizeCalc/TileSizeCalc.h"

namespace {

[[noreturn]] void refuse(const SourceSite& site, const std::string& jobId,
                         const std::string& what) {
  unitCmnGuard::raise(site, "job " + jobId + ": " + what);
}

std::string tileText(const IntPair& tile) {
  return "tile (" + std::to_string(tile[0]) + "," + std::to_string(tile[1]) + ")";
}

bool blank(const std::string& text) {
  for (char c : text)
    if (!std::isspace(static_cast<unsigned char>(c))) return false;
  return true;
}

// "a,b" with two values that are not blank.
bool isPair(const std::string& inner) {
  const auto comma = inner.find(',');
  if (comma == std::string::npos || inner.find(',', comma + 1) != std::string::npos) return false;
  return !blank(inner.substr(0, comma)) && !blank(inner.substr(comma + 1));
}

// Braced pairs separated by commas and blanks, nothing else.
bool isPairList(const std::string& text) {
  for (std::size_t k = 0; k < text.size(); ++k) {
    const char c = text[k];
    if (c == ',' || std::isspace(static_cast<unsigned char>(c))) continue;
    const auto close = text.find('}', k);
    if (c != '{' || close == std::string::npos || !isPair(text.substr(k + 1, close - k - 1)))
      return false;
    k = close;
  }
  return true;
}

}  // namespace

void TileList::checkText(const std::string& jobId, const std::string& text) {
  unitCmnGuard::run(UNITCMN_SITE, [&] {
    if (isPairList(text)) return;
    const std::string shown = text.size() > 60 ? text.substr(0, 60) + "..." : text;
    refuse(UNITCMN_SITE, jobId,
           "\"tilePrintTile\" must list tiles as pairs such as {1,1},{2,1}; it holds " + shown);
  });
}

std::vector<TileList::Tile> TileList::measure(const std::string& jobId,
                                              const CompositeSection& composite,
                                              const PrintSection& print) {
  return unitCmnGuard::run(UNITCMN_SITE, [&] {
    checkCount(jobId, composite.tilePrintTile.size());
    ArrangeLimits::requireTileGrid(jobId, composite);
    std::vector<Tile> tiles;
    tiles.reserve(composite.tilePrintTile.size());
    std::set<IntPair> seen;
    for (const IntPair& number : composite.tilePrintTile) {
      checkInGrid(jobId, composite, number);
      if (!seen.insert(number).second)
        refuse(UNITCMN_SITE, jobId, tileText(number) + " is listed twice in \"tilePrintTile\"");
      tiles.push_back(measured(jobId, composite, print, number));
    }
    return tiles;
  });
}

void TileList::checkCount(const std::string& jobId, std::size_t count) {
  // As many as one arrangement run places in any execution.
  const auto limit = static_cast<std::size_t>(ArrangeLimits::kMaxUnitsPerRun);
  if (count <= limit) return;
  refuse(UNITCMN_SITE, jobId,
         InputLimit::message("the tile count of \"tilePrintTile\"", limit, "tiles",
                             std::to_string(count)));
}

void TileList::checkInGrid(const std::string& jobId, const CompositeSection& composite,
                           const IntPair& tile) {
  const bool inGrid = tile[0] >= 1 && tile[1] >= 1 && tile[0] <= composite.tileScanDivision &&
                      tile[1] <= composite.tileFeedDivision;
  if (inGrid) return;
  refuse(UNITCMN_SITE, jobId,
         tileText(tile) + " is outside its tiling of " +
             std::to_string(composite.tileScanDivision) + " x " +
             std::to_string(composite.tileFeedDivision) + " tiles");
}

TileList::Tile TileList::measured(const std::string& jobId, const CompositeSection& composite,
                                  const PrintSection& print, const IntPair& tile) {
  const auto size = TileSizeCalc::size(composite, print, tile[0], tile[1]);
  const bool usable = std::isfinite(size.width) && std::isfinite(size.height) &&
                      size.width > 0 && size.height > 0;
  if (!usable)
    refuse(UNITCMN_SITE, jobId,
           tileText(tile) + " has no size that can be placed (" + std::to_string(size.width) +
               " x " + std::to_string(size.height) + " mm)");
  return {tile, size.width, size.height};
}
