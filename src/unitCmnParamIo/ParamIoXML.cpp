#include "unitCmnParamIo/ParamIoXML.h"

#include <rapidxml/rapidxml.hpp>
#include <rapidxml/rapidxml_print.hpp>

#include <algorithm>
#include <boost/filesystem/operations.hpp>
#include <cstddef>
#include <fstream>
#include <iterator>
#include <memory>
#include <string_view>
#include <utility>

#include "unitCmnExceptions/InputLimit.h"
#include "unitCmnExceptions/unitCmnGuard.h"
#include "unitCmnLib/CharCodeConvert.h"
#include "unitCmnLib/FileIo.h"
#include "unitCmnParamIo/ParamIoLimits.h"
#include "unitCmnParamIo/XmlNestingScan.h"

namespace {

using Document = rapidxml::xml_document<char>;
using Node = rapidxml::xml_node<char>;

// Element values stay exactly as written (no trimming or normalising);
// entities are translated; a closing tag must name the element it closes.
// Whitespace-only runs between tags never become text: RapidXML skips
// whitespace before deciding whether content is text, so the indentation
// of a printed file does not turn a container into a text element.
constexpr int kParseFlags = rapidxml::parse_validate_closing_tags;

const std::string kCdataName = "CDATA";

bool isRegularFile(const std::string& path) {
  boost::system::error_code error;
  return boost::filesystem::is_regular_file(path, error);
}

using Limits = ParamIoLimits;

[[noreturn]] void refuseDepth(const SourceSite& site) {
  InputLimit::refuse(site, "XML nesting", Limits::kMaxXmlDepth, "levels");
}

void requireTextSize(const SourceSite& site, size_t size) {
  InputLimit::require(site, "XML text", size, Limits::kMaxTextBytes, "bytes");
}

// Refuses a text that passes a limit on its shape before RapidXML makes a
// node of it.
void requireShape(const SourceSite& site, const char* text, size_t size) {
  using Excess = XmlNestingScan::Excess;
  switch (XmlNestingScan::check(text, size)) {
    case Excess::none:
      return;
    case Excess::depth:
      refuseDepth(site);
    case Excess::elements:
      InputLimit::refuse(site, "XML element count", Limits::kMaxXmlElements, "elements");
    case Excess::attributesPerElement:
      InputLimit::refuse(site, "XML attribute count of one element",
                         Limits::kMaxXmlAttributesPerElement, "attributes");
    case Excess::attributes:
      InputLimit::refuse(site, "XML attribute count", Limits::kMaxXmlAttributes, "attributes");
  }
}

// The document's memory is a 64 KiB pool inside the object: kept off the
// stack.
std::unique_ptr<Document> newDocument() { return std::make_unique<Document>(); }

bool isElementOrCdata(const Node* node) {
  return node->type() == rapidxml::node_element || node->type() == rapidxml::node_cdata;
}

std::string join(const std::vector<std::string>& path) {
  std::string name;
  for (size_t i = 0; i < path.size(); ++i) {
    if (i > 0) name += '.';
    name += path[i];
  }
  return name;
}

// Pre-order walk of the parsed document into definitions, without
// recursion. Every top-level element (and CDATA section) is a root of the
// walk. A node's children are visited only when its first child is an
// element or a CDATA section; text children among them carry nothing of
// their own (RapidXML already gave the first text run to the parent's
// value).
std::vector<IoXmlDefine> convertDocument(const Document& document, const SourceSite& site) {
  struct Pending {
    const Node* node;
    size_t depth;
  };
  std::vector<IoXmlDefine> defines;
  std::vector<std::string> path;
  std::vector<Pending> pending;  // a stack: the next node to visit is last
  size_t nameBytes = 0;          // of every definition so far

  auto pushChildren = [&](const Node* parent, size_t depth) {
    const size_t first = pending.size();
    for (const Node* child = parent->first_node(); child; child = child->next_sibling())
      if (isElementOrCdata(child)) pending.push_back({child, depth});
    std::reverse(pending.begin() + static_cast<std::ptrdiff_t>(first), pending.end());
  };

  pushChildren(&document, 0);
  while (!pending.empty()) {
    const Pending item = pending.back();
    pending.pop_back();
    const Node* node = item.node;

    path.resize(item.depth);
    if (node->type() == rapidxml::node_cdata) {
      path.push_back(kCdataName);
    } else {
      path.emplace_back(node->name(), node->name_size());
    }
    IoXmlDefine define(join(path));
    nameBytes += define.getName().size();
    InputLimit::require(site, "XML definition name total", nameBytes, Limits::kMaxXmlNameBytes,
                        "bytes");
    for (const rapidxml::xml_attribute<char>* a = node->first_attribute(); a;
         a = a->next_attribute())
      define.setAttribute(std::string(a->name(), a->name_size()),
                          std::string(a->value(), a->value_size()));
    if (node->value_size() > 0) define.setValue(std::string(node->value(), node->value_size()));
    defines.push_back(std::move(define));

    const Node* first = node->first_node();
    if (first && isElementOrCdata(first)) pushChildren(node, item.depth + 1);
  }
  return defines;
}

// Checks the limits, parses a zero-terminated copy of the text (RapidXML
// parses in place) and converts it.
std::vector<IoXmlDefine> parseText(std::vector<char>& buffer, const SourceSite& site) {
  const size_t size = buffer.size() - 1;  // without the terminating zero
  requireTextSize(site, size);
  requireShape(site, buffer.data(), size);

  std::unique_ptr<Document> document = newDocument();
  try {
    document->parse<kParseFlags>(buffer.data());
  } catch (const rapidxml::parse_error& e) {
    const char* where = e.where<char>();
    std::string text = e.what();
    if (where && where >= buffer.data() && where <= buffer.data() + size)
      text += " at offset " + std::to_string(where - buffer.data());
    unitCmnGuard::raise(site, text);
  }
  return convertDocument(*document, site);
}

// Copies text into the document's own memory, so that the document never
// points into storage that might go away while it is printed.
const char* keep(Document& document, const std::string& text) {
  return document.allocate_string(text.c_str(), text.size() + 1);
}

// Builds the document from the definitions and prints it. Each definition
// goes under the nearest open ancestor named as its own name less the last
// segment; when no open ancestor matches, building ends there and what
// was built so far is printed. Element nesting deeper than kMaxDepth is
// refused, since printing recurses per level.
std::string buildText(const std::vector<IoXmlDefine>& defines, bool withDeclaration,
                      const SourceSite& site) {
  struct Open {
    std::string_view name;
    Node* node;
    size_t depth;  // element levels from the top, this one included
  };
  std::unique_ptr<Document> document = newDocument();
  if (withDeclaration) {
    Node* declaration = document->allocate_node(rapidxml::node_declaration);
    declaration->append_attribute(document->allocate_attribute("version", "1.0"));
    declaration->append_attribute(document->allocate_attribute("encoding", "utf-8"));
    document->append_node(declaration);
  }

  std::vector<Open> open;
  for (const IoXmlDefine& define : defines) {
    const std::string_view name = define.getName();
    const size_t dot = name.rfind('.');
    const std::string_view own = dot == std::string_view::npos ? name : name.substr(dot + 1);

    Node* parent = document.get();
    size_t depth = 0;
    if (dot == std::string_view::npos) {
      open.clear();  // a new top-level node
    } else {
      const std::string_view parentName = name.substr(0, dot);
      while (!open.empty() && open.back().name != parentName) open.pop_back();
      if (open.empty()) break;
      parent = open.back().node;
      depth = open.back().depth;
    }

    Node* node = nullptr;
    if (own == kCdataName) {
      // A CDATA section is a leaf for the printer: it adds no level.
      node = document->allocate_node(rapidxml::node_cdata);
      node->value(keep(*document, define.value()), define.value().size());
    } else {
      if (++depth > Limits::kMaxXmlDepth) refuseDepth(site);
      const std::string ownName(own);
      node = document->allocate_node(rapidxml::node_element);
      node->name(keep(*document, ownName), ownName.size());
      node->value(keep(*document, define.value()), define.value().size());
      for (const IoXmlDefine::Attribute& a : define.attributes())
        node->append_attribute(document->allocate_attribute(
            keep(*document, a.first), keep(*document, a.second), a.first.size(),
            a.second.size()));
    }
    parent->append_node(node);
    open.push_back({name, node, depth});
  }

  // Each top-level node is printed on its own (each ends with its newline):
  // printing the document node itself would add one more newline after the
  // last one, an empty line at the end of every file.
  std::string text;
  for (const Node* node = document->first_node(); node; node = node->next_sibling())
    rapidxml::print(std::back_inserter(text), *node);
  return text;
}

}  // namespace

ParamIoXML::ParamIoXML() : AbParamIo({".xml"}) {}

ParamIoXML::~ParamIoXML() = default;

bool ParamIoXML::readFile(const std::string& path) {
  const SourceSite site = UNITCMN_SITE;
  return unitCmnGuard::run(site, [&] {
    clear();
    if (!checkExtension(path) || !fileExist(path) || !CharCodeConvert::isUtf8(path)) return false;
    // A folder opens as a stream on POSIX but reports a meaningless size.
    if (!isRegularFile(path)) unitCmnGuard::raise(site, "cannot read file: not a regular file");
    std::ifstream in(path, std::ios::in | std::ios::binary);
    if (!in) unitCmnGuard::raise(site, "cannot open file");
    // The size is checked before anything is read: a huge file is refused
    // without being loaded.
    in.seekg(0, std::ios::end);
    const std::streamoff end = in.tellg();
    if (!in || end < 0) unitCmnGuard::raise(site, "cannot read file");
    const size_t size = static_cast<size_t>(end);
    requireTextSize(site, size);
    in.seekg(0, std::ios::beg);
    std::vector<char> buffer(size + 1, '\0');
    in.read(buffer.data(), static_cast<std::streamsize>(size));
    if (static_cast<size_t>(in.gcount()) != size) unitCmnGuard::raise(site, "cannot read file");
    defines_ = parseText(buffer, site);
    return true;
  });
}

bool ParamIoXML::readText(const std::string& text) {
  const SourceSite site = UNITCMN_SITE;
  return unitCmnGuard::run(site, [&] {
    clear();
    if (text.empty()) return false;
    requireTextSize(site, text.size());
    std::vector<char> buffer(text.begin(), text.end());
    buffer.push_back('\0');
    defines_ = parseText(buffer, site);
    return true;
  });
}

bool ParamIoXML::writeFile(const std::string& path) {
  return unitCmnGuard::run(UNITCMN_SITE, [&] { return writeFile(true, path); });
}

bool ParamIoXML::writeFile(bool withDeclaration, const std::string& path) {
  const SourceSite site = UNITCMN_SITE;
  return unitCmnGuard::run(site, [&] {
    if (!checkExtension(path) || !filePathExist(path) || !CharCodeConvert::isUtf8(path)) return false;
    // Built before the file is touched: a refused document leaves it as it was.
    const std::string text = buildText(defines_, withDeclaration, site);
    if (!fileCreate(path)) return false;
    KvnCommnLibs::FileIo file;
    if (!file.open(path)) return false;
    const bool written = file.write(text.data(), text.size());
    if (!file.close() || !written) unitCmnGuard::raise(site, "write error");
    return true;
  });
}

std::string ParamIoXML::toText(bool withDeclaration) const {
  const SourceSite site = UNITCMN_SITE;
  return unitCmnGuard::run(site, [&] { return buildText(defines_, withDeclaration, site); });
}

void ParamIoXML::clear() {
  defines_.clear();
  cursor_ = kNoSearch;
}

IoXmlDefine& ParamIoXML::addDefine(const std::string& path) {
  return unitCmnGuard::run(UNITCMN_SITE, [&]() -> IoXmlDefine& {
    defines_.emplace_back(path);
    return defines_.back();
  });
}

IoXmlDefine* ParamIoXML::findDefine(const std::string& path) {
  return unitCmnGuard::run(UNITCMN_SITE, [&]() -> IoXmlDefine* {
    cursor_ = 0;
    for (; cursor_ < defines_.size(); ++cursor_)
      if (defines_[cursor_].getName() == path) return &defines_[cursor_];
    cursor_ = kNoSearch;  // ran off the end: nothing to continue from
    return nullptr;
  });
}

IoXmlDefine* ParamIoXML::findNextDefine(const std::string& path) {
  return unitCmnGuard::run(UNITCMN_SITE, [&]() -> IoXmlDefine* {
    if (cursor_ == kNoSearch || cursor_ + 1 >= defines_.size()) return nullptr;
    for (++cursor_; cursor_ < defines_.size(); ++cursor_)
      if (defines_[cursor_].getName() == path) return &defines_[cursor_];
    cursor_ = kNoSearch;
    return nullptr;
  });
}

namespace {

// From the found definition (where the cursor is) onwards while names
// begin with path, collecting those equal to it. The cursor ends on the
// last definition visited that begins with path, so that a following
// findNextDefine(s) continues after this list.
template <class Define>
std::vector<Define*> collectList(std::vector<Define>& defines, size_t& cursor,
                                 const std::string& path) {
  std::vector<Define*> found{&defines[cursor]};
  for (size_t i = cursor + 1; i < defines.size(); ++i) {
    const std::string& name = defines[i].getName();
    if (name.compare(0, path.size(), path) != 0) break;
    if (name.size() == path.size()) found.push_back(&defines[i]);
    cursor = i;
  }
  return found;
}

}  // namespace

std::vector<IoXmlDefine*> ParamIoXML::findDefines(const std::string& path) {
  return unitCmnGuard::run(UNITCMN_SITE, [&] {
    if (!findDefine(path)) return std::vector<IoXmlDefine*>();
    return collectList(defines_, cursor_, path);
  });
}

std::vector<IoXmlDefine*> ParamIoXML::findNextDefines(const std::string& path) {
  return unitCmnGuard::run(UNITCMN_SITE, [&] {
    if (!findNextDefine(path)) return std::vector<IoXmlDefine*>();
    return collectList(defines_, cursor_, path);
  });
}

void ParamIoXML::setDefines(const std::vector<IoXmlDefine>& defines) {
  unitCmnGuard::run(UNITCMN_SITE, [&] {
    defines_ = defines;
    cursor_ = kNoSearch;
  });
}
