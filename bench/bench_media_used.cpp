// Media used by each arrangement kind on zero-waste instances
// (ZeroWasteInstances: a square of 1000 mm cut into 15 to 200 pieces, so
// the optimal length on a 1000 mm roll is 1000 mm), through the C
// functions as a host calls them, gaps 0, unlimited roll. Every piece is a
// job of one copy. Reported per kind: the mean and the worst of used
// length / optimal length, and the runs the library refused.
//
//   build/bin/bench_media_used [instances]     (default 30)
//
// The used length is read back from the jobs, as a host reads it: each
// unit's offset along the media plus its job's height as written back
// (the record follows a turned unit).
#include <boost/log/core.hpp>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "ZeroWasteInstances.h"
#include "unitCmnAlignmentJobPosition.h"

namespace {

constexpr double kSide = 1000;

enum class Run { JobPosition, Grouping, Slitter, SlitterUpright };

struct Kind {
  const char* name;
  int kind;
  Run run;
};

const Kind kKinds[] = {
    {"1 minimum size (turns)", 1, Run::JobPosition},
    {"2 minimum size (no turns)", 2, Run::JobPosition},
    {"4 Fotoba marks", 4, Run::JobPosition},
    {"23 grouping XY slitter", 23, Run::Grouping},
    {"24 grouping XY slitter", 24, Run::Grouping},
    {"25 grouping Fotoba marks", 25, Run::Grouping},
    {"26 grouping Fotoba marks", 26, Run::Grouping},
    {"XY slitter, variant 0", 0, Run::Slitter},
    {"XY slitter, variant 2 (no turns)", 0, Run::SlitterUpright},
};

std::string jobText(std::size_t i, const Piece& p, std::size_t count) {
  std::ostringstream text;
  const std::string id = "J" + std::to_string(i);
  text << "[Job]\nJobID=\"" << id << "\"\nPrimary=\"" << id << "\"\n";
  if (i == 0) {
    text << "GroupingPrimary=\"J0\"\n[Print]\ngroupingMember=";
    for (std::size_t k = 0; k < count; ++k) text << (k ? "," : "") << "J" << k;
    text << "\n";
  }
  text << "[Composite]\npages=1\nscale=" << p.w << ',' << p.h << "\n";
  return text.str();
}

// The value of key in section (the first "key=" after "[section"), or "".
std::string valueOf(const std::string& text, const std::string& section, const std::string& key) {
  const std::size_t at = text.find("[" + section);
  if (at == std::string::npos) return "";
  const std::size_t k = text.find("\n" + key + "=", at);
  if (k == std::string::npos) return "";
  const std::size_t start = k + key.size() + 2;
  return text.substr(start, text.find('\n', start) - start);
}

double second(const std::string& pair) {
  const std::size_t comma = pair.find(',');
  return comma == std::string::npos ? 0.0 : std::atof(pair.c_str() + comma + 1);
}

// The used length of the jobs as read back; -1 when one was not arranged.
double usedLength(void* p, std::size_t count) {
  double length = 0.0;
  for (std::size_t i = 0; i < count; ++i) {
    uint64_t size = 0;
    getAlignmentJobSize(p, static_cast<int>(i), &size);
    std::string text(size, '\0');
    copyAlignmentJobParam(p, text.data(), size);
    const std::string offset = valueOf(text, "Bin", "offset");
    if (offset.empty()) return -1.0;
    length = std::max(length, second(offset) + second(valueOf(text, "Composite", "scale")));
  }
  return length;
}

double ratio(const Kind& kind, const std::vector<Piece>& pieces) {
  void* p = CreateInstance();
  init(p, kind.kind, 0, 0, false, kSide, -1, 0, 0);
  for (std::size_t i = 0; i < pieces.size(); ++i)
    addJob(p, jobText(i, pieces[i], pieces.size()).c_str());
  bool ok = false;
  switch (kind.run) {
    case Run::JobPosition:
      ok = alignmentJobPositionExec(p, nullptr, nullptr, nullptr, nullptr, 0);
      break;
    case Run::Grouping:
      ok = alignmentGroupingJobPositionExec(p);
      break;
    case Run::Slitter:
      ok = alignmentXYSlitterPositionExec(p, false, 0, 0, kSide, -1, 0);
      break;
    case Run::SlitterUpright:
      ok = alignmentXYSlitterPositionExec(p, false, 0, 0, kSide, -1, 2);
      break;
  }
  const double used = ok ? usedLength(p, pieces.size()) : -1.0;
  disposeInstance(p);
  return used < 0 ? -1.0 : used / kSide;
}

}  // namespace

int main(int argc, char** argv) {
  boost::log::core::get()->set_logging_enabled(false);
  const int instances = argc > 1 ? std::atoi(argv[1]) : 30;
  std::printf("%d zero-waste instances, 1000 mm square, gaps 0, unlimited roll\n", instances);
  std::printf("%-34s %8s %8s %8s\n", "kind", "mean", "worst", "refused");
  for (const Kind& kind : kKinds) {
    double sum = 0.0, worst = 0.0;
    int counted = 0, refused = 0;
    for (int s = 1; s <= instances; ++s) {
      const double r = ratio(kind, ZeroWasteInstances::make(static_cast<unsigned>(s), kSide));
      if (r < 0) {
        ++refused;
        continue;
      }
      sum += r;
      worst = std::max(worst, r);
      ++counted;
    }
    std::printf("%-34s %8.4f %8.4f %8d\n", kind.name, counted ? sum / counted : 0.0, worst,
                refused);
    std::fflush(stdout);
  }
  return 0;
}
