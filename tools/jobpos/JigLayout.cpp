#include "JigLayout.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kTolerance = 0.001;  // mm

// How far the image reaches beyond the pocket, 0 when inside.
double outsideBy(const JigImage& i) {
  const double by = std::max({i.pocket.x0 - i.x, i.pocket.y0 - i.y,
                              i.x + i.width - i.pocket.x1, i.y + i.height - i.pocket.y1});
  return by > kTolerance ? by : 0.0;
}

int numberAfter(const std::string& name, size_t from) {
  return std::atoi(name.c_str() + std::min(from, name.size()));
}

}  // namespace

JigLayout::JigLayout(const JigFile& jig, const std::vector<JobText>& jobs,
                     const std::string& target) {
  for (const auto& job : jobs) jobIds_.push_back(job.jobId());
  const auto targetJob = std::find(jobIds_.begin(), jobIds_.end(), target);
  if (targetJob == jobIds_.end()) return;
  const auto primaryId = jobs[static_cast<size_t>(targetJob - jobIds_.begin())].value("Job", "Primary");
  const auto primary = std::find(jobIds_.begin(), jobIds_.end(), primaryId.value_or(""));
  if (primary == jobIds_.end()) return;
  const JobText& p = jobs[static_cast<size_t>(primary - jobIds_.begin())];
  std::vector<std::string> sections;
  for (const auto& name : p.sectionNames())
    if (name.rfind("Arrange", 0) == 0 && numberAfter(name, 7) > 0) sections.push_back(name);
  std::sort(sections.begin(), sections.end(), [](const std::string& a, const std::string& b) {
    return numberAfter(a, 7) < numberAfter(b, 7);
  });
  for (const auto& section : sections) addFilling(jig, jobs, p, section);
}

void JigLayout::addFilling(const JigFile& jig, const std::vector<JobText>& jobs,
                           const JobText& primary, const std::string& section) {
  JigFilling filling;
  filling.number = numberAfter(section, 7);
  const auto pockets = jig.usedPockets();
  const auto keys = primary.texts(section, "compositeKeys");
  for (size_t k = 0; k < keys.size(); ++k) {
    JigImage image;
    if (k >= pockets.size()) {
      warnings_.push_back(section + " lists more images than the jig has pockets in use");
      break;
    }
    image.pocket = pockets[k];
    if (!imageOf(jig, jobs, primary, keys[k], image)) continue;
    image.outside = outsideBy(image);
    if (image.outside > 0.0) {
      char text[64];
      std::snprintf(text, sizeof text, "%.1f", image.outside);
      warnings_.push_back("filling " + std::to_string(filling.number) + ", pocket " +
                          image.pocket.no + ": " + image.job + " row " +
                          std::to_string(image.row) + " page " + std::to_string(image.page) +
                          " runs " + text + " mm outside its pocket");
    }
    filling.images.push_back(image);
  }
  fillings_.push_back(filling);
}

bool JigLayout::imageOf(const JigFile& jig, const std::vector<JobText>& jobs,
                        const JobText& primary, const std::string& key, JigImage& image) {
  const auto offset = primary.numbers(key, "offset");
  const auto member = primary.value(key, "compositeID");
  const auto found = std::find(jobIds_.begin(), jobIds_.end(), member.value_or(""));
  if (offset.size() != 2 || found == jobIds_.end()) {
    warnings_.push_back("unit " + key + " has no offset or no member among the jobs");
    return false;
  }
  const JobText& job = jobs[static_cast<size_t>(found - jobIds_.begin())];
  const auto scale = job.numbers("Composite", "scale");
  const double W = scale.size() == 2 ? scale[0] : 0.0, H = scale.size() == 2 ? scale[1] : 0.0;
  image.job = *member;
  image.section = key;
  image.jobIndex = static_cast<int>(found - jobIds_.begin());
  image.page = static_cast<int>(primary.number(key, "pageNumber", 0));
  image.row = static_cast<int>(primary.number(key, "rowNumber", 0));
  image.copy = static_cast<int>(primary.number(key, "copyNumber", 0));
  image.width = W - job.number("Composite", "trimLeft", 0) - job.number("Composite", "trimRight", 0);
  image.height = H - job.number("Composite", "trimTop", 0) - job.number("Composite", "trimBottom", 0);
  // Back from the bounding-box corner to the turned image corner, then
  // turned back about the jig origin.
  const double a = -jig.deskew() * kPi / 180.0, c = std::cos(a), s = std::sin(a);
  const double rx = offset[0] - std::min(0.0, -H * s) - jig.originX();
  const double ry = offset[1] - std::min(0.0, W * s) - jig.originY();
  image.x = rx * c + ry * s + jig.originX();
  image.y = -rx * s + ry * c + jig.originY();
  return true;
}
