// One XML parameter file in memory as a flat list of node definitions in
// document order (a node before its children). Parameter classes write by
// appending definitions in document order and read by searching the list
// by path. Parsing and printing go through RapidXML.
//
// Hostile input is refused before RapidXML sees it: a document past one of
// the limits of ParamIoLimits (size, nesting, elements, attributes) raises
// unitCmnException, as does a syntax error; so does a document whose
// definition names together pass their limit while it is converted.
//
// The search cursor is shared by findDefine/findNextDefine/findDefines/
// findNextDefines: searches by different callers must not be interleaved.
// No lock: one thread at a time.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "unitCmnParamIo/AbParamIo.h"
#include "unitCmnParamIo/IoXmlDefine.h"
#include "unitCmnParamIo/ParamIoLimits.h"

class ParamIoXML : public AbParamIo {
 public:
  static constexpr size_t kMaxDepth = ParamIoLimits::kMaxXmlDepth;
  static constexpr size_t kMaxTextBytes = ParamIoLimits::kMaxTextBytes;

  ParamIoXML();
  ~ParamIoXML() override;
  ParamIoXML(const ParamIoXML&) = default;
  ParamIoXML& operator=(const ParamIoXML&) = default;

  // Loads replace the list (emptied first). Wrong extension, missing file
  // or empty text answer false; malformed XML raises.
  bool readFile(const std::string& path) override;
  bool readText(const std::string& text) override;
  // Writes the document with the declaration.
  bool writeFile(const std::string& path) override;
  virtual bool writeFile(bool withDeclaration, const std::string& path);

  // The document built from the list: tab-indented, one element per line,
  // with the declaration version="1.0" encoding="utf-8" when asked.
  std::string toText(bool withDeclaration) const;

  void clear();
  IoXmlDefine& addDefine(const std::string& path);
  template <class T>
  IoXmlDefine& addDefine(const std::string& path, const T& value) {
    IoXmlDefine& define = addDefine(path);
    define.setValue(value);
    return define;
  }

  // First definition named path, searching from the start; the cursor
  // stays on it. Null when there is none.
  IoXmlDefine* findDefine(const std::string& path);
  // The next one after the cursor; null when no search was made or the
  // cursor is on the last definition.
  IoXmlDefine* findNextDefine(const std::string& path);
  // The found definition and the following ones named path, up to the
  // first definition whose name does not begin with path: the repeated
  // elements of one list.
  std::vector<IoXmlDefine*> findDefines(const std::string& path);
  std::vector<IoXmlDefine*> findNextDefines(const std::string& path);

  void setDefines(const std::vector<IoXmlDefine>& defines);
  const std::vector<IoXmlDefine>& getDefines() const { return defines_; }

 private:
  static constexpr size_t kNoSearch = static_cast<size_t>(-1);

  std::vector<IoXmlDefine> defines_;
  size_t cursor_ = kNoSearch;  // index into defines_
};
