#include "unitCmnParamIo/ParamIoINI.h"

#include <algorithm>
#include <boost/filesystem/operations.hpp>
#include <boost/property_tree/ini_parser.hpp>
#include <boost/property_tree/ptree.hpp>
#include <fstream>
#include <sstream>
#include <unordered_set>
#include <utility>

#include "unitCmnExceptions/InputLimit.h"
#include "unitCmnExceptions/unitCmnGuard.h"
#include "unitCmnLib/CharCodeConvert.h"
#include "unitCmnParamIo/IniShapeScan.h"
#include "unitCmnParamIo/ParamIoLimits.h"

namespace {

using boost::property_tree::ptree;
using boost::property_tree::ini_parser::ini_parser_error;
using Lock = std::lock_guard<std::recursive_mutex>;

// The reader's bare message, with the line when it names one (writer
// errors carry line 0): "duplicate key name (line 3)".
std::string iniErrorText(const ini_parser_error& e) {
  if (e.line() == 0) return e.message();
  return e.message() + " (line " + std::to_string(e.line()) + ")";
}

ptree parseIni(std::istream& in, const SourceSite& site) {
  ptree tree;
  try {
    boost::property_tree::read_ini(in, tree);
  } catch (const ini_parser_error& e) {
    unitCmnGuard::raise(site, iniErrorText(e));
  }
  return tree;
}

std::string formatIni(const ptree& tree, const SourceSite& site) {
  std::ostringstream out;
  try {
    boost::property_tree::write_ini(out, tree);
  } catch (const ini_parser_error& e) {
    unitCmnGuard::raise(site, iniErrorText(e));
  }
  return out.str();
}

bool containsAll(const std::string& name, const std::vector<std::string>& words) {
  return std::all_of(words.begin(), words.end(),
                     [&](const std::string& w) { return name.find(w) != std::string::npos; });
}

bool containsAny(const std::string& name, const std::vector<std::string>& words) {
  return std::any_of(words.begin(), words.end(),
                     [&](const std::string& w) { return name.find(w) != std::string::npos; });
}

// The whole file; one larger than any text read is refused from its size,
// without being read.
std::string wholeFile(const std::string& path, const SourceSite& site) {
  boost::system::error_code error;
  const auto size = boost::filesystem::file_size(path, error);
  if (error) unitCmnGuard::raise(site, "cannot read file: " + error.message());
  InputLimit::require(site, "INI text", size, ParamIoLimits::kMaxTextBytes, "bytes");
  std::ifstream in(path, std::ios::in | std::ios::binary);
  if (!in) unitCmnGuard::raise(site, "cannot open file");
  std::string text(static_cast<size_t>(size), '\0');
  in.read(text.data(), static_cast<std::streamsize>(size));
  if (static_cast<size_t>(in.gcount()) != size) unitCmnGuard::raise(site, "cannot read file");
  return text;
}

// Each root child is a section; a root child with no children (a key
// before the first header) becomes a section of that name with no keys.
// Expects io to be empty; leaves it empty again if anything fails.
bool loadTree(ParamIoINI& io, const ptree& tree) {
  try {
    for (const auto& section : tree) {
      IniSectionData data;
      data.reserve(section.second.size());
      for (const auto& key : section.second) data.setValue(key.first, key.second.data());
      io.setSectionData(section.first, std::move(data));
    }
  } catch (...) {
    io.clear();
    throw;
  }
  return true;
}

}  // namespace

ParamIoINI::ParamIoINI() : AbParamIo({".ini"}) {}

ParamIoINI::ParamIoINI(const ParamIoINI& other) : AbParamIo(other) {
  Lock hold(other.lock_);
  sections = other.sections;
  sectionOrder = other.sectionOrder;
}

ParamIoINI& ParamIoINI::operator=(const ParamIoINI& other) {
  if (this == &other) return *this;
  std::scoped_lock hold(lock_, other.lock_);
  AbParamIo::operator=(other);
  sections = other.sections;
  sectionOrder = other.sectionOrder;
  return *this;
}

ParamIoINI::~ParamIoINI() = default;

bool ParamIoINI::load(const std::string& text, const SourceSite& site) {
  InputLimit::require(site, "INI text", text.size(), ParamIoLimits::kMaxTextBytes, "bytes");
  IniShapeScan::check(text, site);
  std::istringstream in(text);
  return loadTree(*this, parseIni(in, site));
}

bool ParamIoINI::readFile(const std::string& path) {
  const SourceSite site = UNITCMN_SITE;
  return lockedIo(site, [&] {
    clear();
    if (!checkExtension(path) || !fileExist(path) || !CharCodeConvert::isUtf8(path)) return false;
    return load(wholeFile(path, site), site);
  });
}

bool ParamIoINI::readText(const std::string& text) {
  const SourceSite site = UNITCMN_SITE;
  return lockedIo(site, [&] {
    clear();
    if (text.empty()) return false;
    return load(text, site);
  });
}

bool ParamIoINI::writeFile(const std::string& path) {
  const SourceSite site = UNITCMN_SITE;
  return lockedIo(site, [&] {
    if (!checkExtension(path) || !filePathExist(path) || !CharCodeConvert::isUtf8(path)) return false;
    // Sections go in with push_back, not put_child: a name containing
    // "." stays one section instead of becoming nested levels that the
    // writer would reject.
    ptree tree;
    for (const std::string& name : sectionOrder) {
      auto found = sections.find(name);
      if (found == sections.end()) continue;
      ptree section;
      const IniSectionData& data = found->second;
      for (std::size_t k = 0; k < data.keyOrder.size(); ++k)
        section.push_back({data.keyOrder[k], ptree(data.values[k])});
      tree.push_back({name, section});
    }
    // Formatted first so a writer error leaves the old file untouched.
    const std::string text = formatIni(tree, site);
    std::ofstream out(path, std::ios::out | std::ios::trunc);
    if (!out) unitCmnGuard::raise(site, "cannot open file");
    out << text;
    out.flush();
    if (!out) unitCmnGuard::raise(site, "write error");
    return true;
  });
}

bool ParamIoINI::getSectionData(const std::string& name, IniSectionData* out) const {
  const SourceSite site = UNITCMN_SITE;
  return lockedIo(site, [&] {
    auto found = sections.find(name);
    if (found == sections.end()) {
      KvnCmnLog::logError(site, "ParamIoINI getSectionData section not found. section:" + name);
      return false;
    }
    if (!out) unitCmnGuard::raise(site, "getSectionData: no output section given");
    *out = found->second;
    return true;
  });
}

void ParamIoINI::setSectionData(const std::string& name, const IniSectionData& data) {
  Lock hold(lock_);
  unitCmnGuard::run(UNITCMN_SITE, [&] {
    // insert_or_assign keeps an existing section's place in sectionOrder.
    if (sections.insert_or_assign(name, data).second) sectionOrder.push_back(name);
  });
}

void ParamIoINI::setSectionData(const std::string& name, IniSectionData&& data) {
  Lock hold(lock_);
  unitCmnGuard::run(UNITCMN_SITE, [&] {
    if (sections.insert_or_assign(name, std::move(data)).second) sectionOrder.push_back(name);
  });
}

void ParamIoINI::deleteSection(const std::string& name) {
  Lock hold(lock_);
  const SourceSite site = UNITCMN_SITE;
  unitCmnGuard::run(site, [&] {
    if (sections.erase(name) == 0) unitCmnGuard::raise(site, "Section not found. section:" + name);
    sectionOrder.erase(std::find(sectionOrder.begin(), sectionOrder.end(), name));
  });
}

void ParamIoINI::deleteSections(const std::vector<std::string>& names) {
  Lock hold(lock_);
  const SourceSite site = UNITCMN_SITE;
  unitCmnGuard::run(site, [&] {
    for (const std::string& name : names)
      if (sections.count(name) == 0) unitCmnGuard::raise(site, "Section not found. section:" + name);
    // One pass over the order, however many go: deleting the sections of a
    // large run one by one would cost the square of their number.
    const std::unordered_set<std::string> gone(names.begin(), names.end());
    for (const std::string& name : gone) sections.erase(name);
    sectionOrder.erase(std::remove_if(sectionOrder.begin(), sectionOrder.end(),
                                      [&](const std::string& n) { return gone.count(n) != 0; }),
                       sectionOrder.end());
  });
}

void ParamIoINI::clear() {
  Lock hold(lock_);
  sections.clear();
  sectionOrder.clear();
}

std::string ParamIoINI::toString() const {
  Lock hold(lock_);
  return unitCmnGuard::run(UNITCMN_SITE, [&] {
    std::string text;
    for (const std::string& name : sectionOrder) {
      auto found = sections.find(name);
      if (found != sections.end()) text += "[" + name + "]\n" + found->second.toString();
    }
    return text;
  });
}

void ParamIoINI::findSections(const std::vector<std::string>& words,
                              std::vector<std::string>& out) const {
  Lock hold(lock_);
  unitCmnGuard::run(UNITCMN_SITE, [&] {
    if (words.empty()) return;
    out.clear();
    for (const auto& entry : sections)
      if (containsAll(entry.first, words)) out.push_back(entry.first);
  });
}

void ParamIoINI::findSections(const std::vector<std::string>& includeWords,
                              const std::vector<std::string>& excludeWords,
                              std::vector<std::string>& out) const {
  Lock hold(lock_);
  unitCmnGuard::run(UNITCMN_SITE, [&] {
    // Appends: callers may gather several searches into one list.
    if (includeWords.empty()) return;
    for (const auto& entry : sections)
      if (containsAll(entry.first, includeWords) && !containsAny(entry.first, excludeWords))
        out.push_back(entry.first);
  });
}

bool ParamIoINI::sectionExist(const std::string& name) const {
  Lock hold(lock_);
  return sections.count(name) != 0;
}
