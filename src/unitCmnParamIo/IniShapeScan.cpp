#include "unitCmnParamIo/IniShapeScan.h"

#include <string>

#include "unitCmnExceptions/InputLimit.h"
#include "unitCmnParamIo/ParamIoLimits.h"

namespace {

using L = ParamIoLimits;

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f'; }

class Counter {
 public:
  explicit Counter(const SourceSite& site) : site_(site) {}

  void line(std::string_view line) {
    while (!line.empty() && isBlank(line.front())) line.remove_prefix(1);
    while (!line.empty() && isBlank(line.back())) line.remove_suffix(1);
    if (line.empty() || line[0] == ';' || line[0] == '#') return;
    if (line[0] == '[') {
      section(line);
      inSection_ = true;
      return;
    }
    InputLimit::require(site_, "INI key count", ++keys_, L::kMaxIniKeys, "keys");
    if (!inSection_) {
      section(line);  // a key before the first header is a section of its own
      return;
    }
    if (++keysInSection_ > L::kMaxIniKeysPerSection)
      InputLimit::refuse(site_, "INI key count of section " + shortName_,
                         L::kMaxIniKeysPerSection, "keys");
  }

 private:
  void section(std::string_view header) {
    InputLimit::require(site_, "INI section count", ++sections_, L::kMaxIniSections, "sections");
    keysInSection_ = 0;
    // The header as written, cut short: a hostile name may be long.
    shortName_ = std::string(header.substr(0, 64));
  }

  const SourceSite& site_;
  unsigned long long sections_ = 0, keys_ = 0, keysInSection_ = 0;
  bool inSection_ = false;
  std::string shortName_;
};

}  // namespace

void IniShapeScan::check(std::string_view text, const SourceSite& site) {
  Counter counter(site);
  size_t begin = 0;
  while (begin < text.size()) {
    size_t end = text.find('\n', begin);
    if (end == std::string_view::npos) end = text.size();
    counter.line(text.substr(begin, end - begin));
    begin = end + 1;
  }
}
