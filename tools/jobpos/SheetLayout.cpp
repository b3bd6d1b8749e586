#include "SheetLayout.h"

#include <algorithm>
#include <boost/filesystem/path.hpp>
#include <cmath>
#include <utility>
#include <cstdlib>

#include "CommandLine.h"
#include "TileGeometry.h"

namespace {

const double kPi = 3.14159265358979323846;

// The sheet number of a section named "Arrange" + n, else 0.
int arrangeNumber(const std::string& section) {
  const std::string prefix = "Arrange";
  if (section.compare(0, prefix.size(), prefix) != 0 || section.size() == prefix.size()) return 0;
  long n = 0;
  if (!CommandLine::parseInteger(section.substr(prefix.size()), n) || n < 1 || n > 1000000)
    return 0;
  return static_cast<int>(n);
}

int angleIn360(double degrees) {
  int a = static_cast<int>(std::lround(degrees)) % 360;
  return a < 0 ? a + 360 : a;
}

double at(const std::vector<double>& list, size_t index) {
  return index < list.size() ? list[index] : 0.0;
}

// The sum of the pairs of "{label;x,y},{label;x,y}".
void addCorrections(const std::string& text, double& x, double& y) {
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('}', start);
    if (end == std::string::npos) end = text.size();
    const std::string entry = text.substr(start, end - start);
    const size_t semicolon = entry.find(';');
    const size_t comma = entry.find(',', semicolon == std::string::npos ? 0 : semicolon);
    double dx = 0, dy = 0;
    if (semicolon != std::string::npos && comma != std::string::npos &&
        CommandLine::parseNumber(entry.substr(semicolon + 1, comma - semicolon - 1), dx) &&
        CommandLine::parseNumber(entry.substr(comma + 1), dy)) {
      x += dx;
      y += dy;
    }
    start = end + 1;
    while (start < text.size() && (text[start] == ',' || text[start] == '{')) ++start;
  }
}

RegisterMarks marksOf(const JobText& job) {
  RegisterMarks m;
  m.shape = static_cast<int>(job.number("Print", "registerMarkShape", 0));
  m.target = static_cast<int>(job.number("Print", "registerMarkTarget", 0));
  m.size = job.number("Print", "registerMarkSize", 0);
  m.offset = job.number("Print", "registerMarkOffset", 0);
  const auto fill = job.value("Print", "registerMarkFillAround");
  m.fillAround = fill && *fill == "true";
  return m;
}

}  // namespace

double RegisterMarks::margin() const {
  if (!aroundLayout()) return 0.0;
  double m = size + offset;
  if (fillAround && (shape == 1 || shape == 4)) m += size;
  if (fillAround && shape == 5) m += 5.0;
  return m;
}

SheetLayout::SheetLayout(const std::vector<JobText>& jobs, const std::vector<JobText>& asGiven) {
  for (size_t i = 0; i < jobs.size(); ++i) {
    jobIds_.push_back(jobs[i].jobId());
    const JobText& given = i < asGiven.size() ? asGiven[i] : jobs[i];
    const auto name = given.value("Job", "JobName");
    jobNames_.push_back(name && !name->empty()
                            ? *name
                            : boost::filesystem::path(given.origin()).filename().string());
    addJob(jobs[i], static_cast<int>(i));
  }
  if (!jobs.empty()) marks_ = marksOf(jobs.front());
  sheets_.erase(std::remove_if(sheets_.begin(), sheets_.end(),
                               [](const Sheet& s) { return s.units().empty(); }),
                sheets_.end());
  std::sort(sheets_.begin(), sheets_.end(),
            [](const Sheet& a, const Sheet& b) { return a.number() < b.number(); });
}

size_t SheetLayout::unitCount() const {
  size_t count = 0;
  for (const auto& s : sheets_) count += s.units().size();
  return count;
}

Sheet& SheetLayout::sheet(int number) {
  for (auto& s : sheets_)
    if (s.number() == number) return s;
  sheets_.emplace_back(number);
  return sheets_.back();
}

void SheetLayout::addJob(const JobText& job, int jobIndex) {
  for (const auto& section : job.sectionNames()) {
    const int number = arrangeNumber(section);
    if (number == 0) continue;
    const auto area = job.numbers(section, "printArea");
    if (recordedWidth_ <= 0.0 && at(area, 2) > 0.0) {
      recordedWidth_ = at(area, 2);
      recordedLength_ = at(area, 3) > 0.0 ? at(area, 3) : -1.0;
    }
    for (const auto& key : job.texts(section, "compositeKeys")) {
      if (key.empty()) continue;
      PlacedUnit unit;
      unit.jobIndex = jobIndex;
      if (unitOf(job, key, unit)) {
        sheet(number).add(unit);
      } else {
        warnings_.push_back(job.origin() + ": " + section + " lists " + key +
                            ", a section the job does not have");
      }
    }
  }
}

bool SheetLayout::unitOf(const JobText& job, const std::string& section, PlacedUnit& unit) {
  if (!job.hasSection(section)) return false;
  unit.jobId = job.jobId();
  unit.section = section;
  unit.page = static_cast<int>(job.number(section, "pageNumber", 0));
  unit.copy = static_cast<int>(job.number(section, "copyNumber", 0));
  const auto tile = job.numbers(section, "tileNumber");
  unit.tileScan = static_cast<int>(at(tile, 0));
  unit.tileFeed = static_cast<int>(at(tile, 1));
  const auto offset = job.numbers(section, "offset");
  unit.x = at(offset, 0);
  unit.y = at(offset, 1);
  if (const auto corrections = job.value(section, "offsetOfOffset"))
    addCorrections(*corrections, unit.x, unit.y);

  const std::string c = "Composite";
  unit.rotation = angleIn360(job.number(c, "rotate", 0));
  unit.pages = static_cast<int>(job.number(c, "pages", 1));
  const auto cutLine = job.value(c, "printCutline");
  unit.cutLine = cutLine && *cutLine == "true";
  if (unit.tileScan >= 1 && unit.tileFeed >= 1) {
    const TileGeometry::Shape tile = TileGeometry::of(job, unit.tileScan, unit.tileFeed);
    unit.width = tile.width;
    unit.height = tile.height;
    unit.rotation = angleIn360(unit.rotation + tile.rotation);
    unit.overlaps = tile.overlaps;
  } else {
    const auto scale = job.numbers(c, "scale");
    const double w = at(scale, 0) - job.number(c, "trimLeft", 0) - job.number(c, "trimRight", 0);
    const double h = at(scale, 1) - job.number(c, "trimTop", 0) - job.number(c, "trimBottom", 0);
    const double deskew = std::fabs(job.number(c, "deskew", 0)) * kPi / 180.0;
    const double cosA = std::fabs(std::cos(deskew)), sinA = std::fabs(std::sin(deskew));
    unit.width = deskew != 0.0 ? w * cosA + h * sinA : w;
    unit.height = deskew != 0.0 ? w * sinA + h * cosA : h;
  }
  // The Composite describes the job as its last unit was placed; a unit
  // placed a quarter turn from that says so in "relativeRotation".
  const int relative = angleIn360(job.number(section, "relativeRotation", 0));
  if (relative == 90 || relative == 270) {
    std::swap(unit.width, unit.height);
    // Which way the overlaps turn with it is not recorded: not drawn.
    unit.overlaps = {};
  }
  unit.rotation = angleIn360(unit.rotation + relative);
  if (!(unit.width > 0.0) || !(unit.height > 0.0)) {
    warnings_.push_back(job.origin() + ": unit " + section +
                        " has no usable size in the job's Composite; drawn as 0 x 0");
    if (!(unit.width > 0.0)) unit.width = 0.0;
    if (!(unit.height > 0.0)) unit.height = 0.0;
  }
  return true;
}
