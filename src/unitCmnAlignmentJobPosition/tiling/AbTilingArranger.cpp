#include "unitCmnAlignmentJobPosition/tiling/AbTilingArranger.h"

#include <cmath>

#include "unitCmnAlignmentJobPosition/frame/LengthLimit.h"
#include "unitCmnExceptions/KvnCmnLog.h"
#include "unitCmnExceptions/unitCmnGuard.h"

namespace {

constexpr double kUnsetOrigin = -1.0;

// The start of a block of size S on media of size W for a placement policy
// and an origin o; centring (policy 1) only when allowed.
double blockOffset(int policy, bool centres, double o, double W, double S) {
  if (policy == 1 && centres) {
    if (S > W) return -((S - W) * 0.5 + o);
    const double s = S * 0.5;
    if (s > W - o) return -s - (s - (W - o));
    return s > o ? -o : -s;
  }
  if (policy == 2) {
    if (S > W) return -(S - W + o);
    return S > o ? -o : -S;
  }
  if (S > W) return -o;
  return S > W - o ? W - o - S : 0.0;
}

std::string numberText(double value) {
  return std::isnan(value) ? "nan" : std::to_string(value);
}

}  // namespace

AbTilingArranger::~AbTilingArranger() = default;

bool AbTilingArranger::arrange(const TilingArrangerData& data) {
  return unitCmnGuard::run(UNITCMN_SITE, [&] {
    if (!startRun(data)) return false;
    layOutTiles();
    checkPlaces();
    pending_.commit(*data.job);
    return true;
  });
}

bool AbTilingArranger::startRun(const TilingArrangerData& data) {
  data_ = data;
  LengthLimit::sanitize(data_.printableWidth, data_.printableLength);
  tiles_.clear();
  zOrder_ = 0;
  pending_ = TileWriteBack();
  if (data.job == nullptr) return false;
  readJobSections(*data.job);
  if (!composite_.tiling) {
    KvnCmnLog::logTrace(UNITCMN_SITE, "job " + job_.jobID + " is not tiled");
    return false;
  }
  TileList::checkText(job_.jobID, tileListText(*data.job));
  if (composite_.tilePrintTile.empty()) {
    KvnCmnLog::logTrace(UNITCMN_SITE, "job " + job_.jobID + " lists no tile to print");
    return false;
  }
  checkArguments();
  // A run of one job is its own primary job, so its own "Print" is what
  // the size calculation measures tiles with; the page gap and after-feed
  // switch change only multi-page sizes, never a tile's.
  tiles_ = TileList::measure(job_.jobID, composite_, print_);
  return true;
}

void AbTilingArranger::readJobSections(const JobParam& job) {
  unitCmnGuard::run(UNITCMN_SITE, [&] {
    job.getJobSection(job_);
    job.getPrintSection(print_);
    if (job.model().sectionExist("Arrange1")) job.getArrangeSection(1, arrange1_);
    else ArrangeSection::table().reset(arrange1_);
    job.getCompositeSection(composite_);
  });
}

std::string AbTilingArranger::tileListText(const JobParam& job) {
  std::string text;
  if (!job.model().sectionExist("Composite")) return text;
  IniSectionDataEx section;
  job.getSectionData("Composite", &section);
  if (section.hasKey("tilePrintTile")) section.getValue("tilePrintTile", text);
  return text;
}

void AbTilingArranger::checkArguments() const {
  requireGap("gap across the media", data_.duplicateMarginScan);
  requireGap("gap along the media", data_.duplicateMarginFeed);
  requireGap("page gap", data_.pageGap);
  requireFinite("\"orgPosition\" across the media", arrange1_.orgPosition[0]);
  requireFinite("\"orgPosition\" along the media", arrange1_.orgPosition[1]);
}

// Finite inputs may still add up beyond the largest double.
void AbTilingArranger::checkPlaces() const {
  for (const TileWriteBack::Unit& unit : pending_.units()) {
    const DoublePair& at = unit.second.offset;
    if (std::isfinite(at[0]) && std::isfinite(at[1])) continue;
    refuse("the place of " + unit.first + " is not a number (" + numberText(at[0]) + ", " +
           numberText(at[1]) + ")");
  }
}

std::string AbTilingArranger::addTileUnit(const IntPair& tile, int zOrder, double x, double y) {
  return unitCmnGuard::run(UNITCMN_SITE, [&] {
    BinaryUnitSection unit;
    unit.compositeID = job_.jobID;
    unit.pageNumber = 1;
    unit.rowNumber = 0;
    unit.copyNumber = 1;
    unit.tileNumber = tile;
    unit.zOrder = zOrder;
    unit.offset = {x, y};
    const std::string name = JobParam::binaryUnitSectionName(job_.jobID, 1, tile[0], tile[1], 1, 0);
    pending_.addUnit(name, unit);
    return name;
  });
}

double AbTilingArranger::getScanOffset(const ArrangeSection& arrangeSection,
                                       const specialityType::DimDouble& printableSize,
                                       double blockWidth) {
  const double origin = arrangeSection.orgPosition[0];
  const bool unset = origin == kUnsetOrigin;
  return blockOffset(arrangeSection.placePolicyScan, !unset, unset ? 0.0 : origin,
                     printableSize.width, blockWidth);
}

double AbTilingArranger::getFeedOffset(const ArrangeSection& arrangeSection,
                                       const specialityType::DimDouble& printableSize,
                                       double blockHeight) {
  return blockOffset(arrangeSection.placePolicyFeed, true, arrangeSection.orgPosition[1],
                     printableSize.height, blockHeight);
}

specialityType::DimDouble AbTilingArranger::printableSize() const {
  return {data_.printableWidth, data_.printableLength};
}

ArrangeSection AbTilingArranger::newSheet() const {
  ArrangeSection sheet = arrange1_;
  sheet.compositeKeys.clear();
  return sheet;
}

void AbTilingArranger::placeTile(const Tile& tile, double x, double y, ArrangeSection& sheet) {
  sheet.compositeKeys.push_back(addTileUnit(tile.number, zOrder_, x, y));
  ++zOrder_;
}

void AbTilingArranger::writeSheet(int number, ArrangeSection sheet) {
  sheet.arrangeNumber = number;
  pending_.setSheet(number, sheet);
}

double AbTilingArranger::scanShift(double width) const {
  const int policy = arrange1_.placePolicyScan;
  if (policy == 1 && arrange1_.orgPosition[0] != kUnsetOrigin) return width * 0.5;
  return policy == 2 ? width : 0.0;
}

double AbTilingArranger::feedShift(double height) const {
  const int policy = arrange1_.placePolicyFeed;
  if (policy == 1) return height * 0.5;
  return policy == 2 ? height : 0.0;
}

void AbTilingArranger::refuse(const std::string& what) const {
  unitCmnGuard::raise(UNITCMN_SITE, "job " + job_.jobID + ": " + what);
}

void AbTilingArranger::requireGap(const std::string& name, double value) const {
  if (std::isfinite(value) && value >= 0) return;
  refuse("the " + name + " must be a number of 0 mm or more, not " + numberText(value));
}

void AbTilingArranger::requireFinite(const std::string& name, double value) const {
  if (std::isfinite(value)) return;
  refuse("the " + name + " must be a number, not " + numberText(value));
}
