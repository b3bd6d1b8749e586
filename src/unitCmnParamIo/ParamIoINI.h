// One INI parameter file in memory: named sections of raw key/value text in
// the order they first appeared. Parses and writes through
// Boost.PropertyTree's INI reader and writer; toString() gives the text the
// host receives ("[name]\n" then "key=value\n" per key, no blank lines).
// Every public operation holds the object's recursive lock.
#pragma once

#include <istream>
#include <mutex>
#include <string>
#include <unordered_map>
#include <vector>

#include "unitCmnExceptions/unitCmnGuard.h"
#include "unitCmnParamIo/AbParamIo.h"
#include "unitCmnParamIo/IniSectionData.h"

class ParamIoINI : public AbParamIo {
 public:
  ParamIoINI();
  ParamIoINI(const ParamIoINI& other);
  ParamIoINI& operator=(const ParamIoINI& other);
  ~ParamIoINI() override;

  // Loads replace the model (a failed load leaves it empty). Wrong
  // extension, missing file or empty text answer false; a syntax error or
  // a text past a limit of ParamIoLimits raises unitCmnException.
  bool readFile(const std::string& path) override;
  bool readText(const std::string& text) override;
  bool writeFile(const std::string& path) override;

  // Copies the section into *out; a missing one is a logged false.
  bool getSectionData(const std::string& name, IniSectionData* out) const;
  void setSectionData(const std::string& name, const IniSectionData& data);
  void setSectionData(const std::string& name, IniSectionData&& data);  // no copy of the keys
  // Raises "Section not found. section:<name>" when missing.
  void deleteSection(const std::string& name);
  // Deletes every named section in one pass; raises as deleteSection when
  // one is missing, before anything is deleted.
  void deleteSections(const std::vector<std::string>& names);
  void clear();
  std::string toString() const;

  // Names containing every word (unordered; callers sort when they need to).
  void findSections(const std::vector<std::string>& words, std::vector<std::string>& out) const;
  void findSections(const std::vector<std::string>& includeWords,
                    const std::vector<std::string>& excludeWords,
                    std::vector<std::string>& out) const;
  bool sectionExist(const std::string& name) const;
  const std::vector<std::string>& sectionNames() const { return sectionOrder; }

 private:
  // Runs body under the lock; a lighter AbunitCmnReturn error is logged and
  // answered false, anything else raised as unitCmnException.
  template <class Body>
  bool lockedIo(const SourceSite& site, Body&& body) const {
    std::lock_guard<std::recursive_mutex> hold(lock_);
    return unitCmnGuard::runIo(site, body, [] { return false; });
  }
  // Replaces the model by the INI text; a text past a limit of
  // ParamIoLimits is refused before it is parsed.
  bool load(const std::string& text, const SourceSite& site);

  std::unordered_map<std::string, IniSectionData> sections;
  std::vector<std::string> sectionOrder;
  mutable std::recursive_mutex lock_;
};
