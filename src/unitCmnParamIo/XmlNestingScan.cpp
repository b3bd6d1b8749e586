#include "unitCmnParamIo/XmlNestingScan.h"

#include <cstring>
#include <string_view>

#include "unitCmnParamIo/ParamIoLimits.h"

namespace {

// The character classes of RapidXML 1.13, so that a tag ends here exactly
// where it ends there.
bool isSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

// Element names: anything but whitespace, '/', '>', '?' and NUL (which the
// scanner also answers past the end of the text).
bool isNameChar(char c) {
  return c != '\0' && !isSpace(c) && c != '/' && c != '>' && c != '?';
}

// Attribute names: additionally neither '<', '=' nor '!'.
bool isAttributeNameChar(char c) {
  return isNameChar(c) && c != '<' && c != '=' && c != '!';
}

using Excess = XmlNestingScan::Excess;
using L = ParamIoLimits;

class Scanner {
 public:
  Scanner(const char* text, size_t size) : text_(text, size) {}

  Excess run() {
    while (pos_ < text_.size() && excess_ == Excess::none) {
      const size_t open = text_.find('<', pos_);
      if (open == std::string_view::npos) break;
      pos_ = open + 1;
      if (!markup()) break;
    }
    return excess_;
  }

 private:
  char at(size_t i) const { return i < text_.size() ? text_[i] : '\0'; }
  bool startsWith(size_t i, std::string_view word) const {
    return text_.compare(i, word.size(), word) == 0;
  }
  void skipSpace() {
    while (isSpace(at(pos_))) ++pos_;
  }
  // Moves past the next occurrence of marker; false (the text ends inside
  // the construct, an error for RapidXML) when there is none.
  bool skipPast(std::string_view marker) {
    const size_t found = text_.find(marker, pos_);
    if (found == std::string_view::npos) return false;
    pos_ = found + marker.size();
    return true;
  }

  // One construct starting after its '<'. False where RapidXML would stop
  // with an error, which ends the scan.
  bool markup() {
    switch (at(pos_)) {
      case '?':  // declaration or processing instruction: up to "?>"
        ++pos_;
        return skipPast("?>");
      case '!':
        return bang();
      case '/':
        return endTag();
      default:
        return startTag();
    }
  }

  bool bang() {
    if (startsWith(pos_, "!--")) {
      pos_ += 3;
      return skipPast("-->");
    }
    if (startsWith(pos_, "![CDATA[")) {
      pos_ += 8;
      // A CDATA section becomes a definition of its own.
      return countNode() && skipPast("]]>");
    }
    if (startsWith(pos_, "!DOCTYPE") && isSpace(at(pos_ + 8))) {
      pos_ += 9;
      return doctype();
    }
    ++pos_;  // any other "<!...>" is skipped up to the first '>'
    return skipPast(">");
  }

  // Up to the first '>' outside brackets; brackets nest (the internal
  // subset), with no regard to quotes, as RapidXML reads them.
  bool doctype() {
    size_t brackets = 0;
    for (; pos_ < text_.size(); ++pos_) {
      const char c = text_[pos_];
      if (c == '[') {
        ++brackets;
      } else if (c == ']' && brackets > 0) {
        --brackets;
      } else if (c == '>' && brackets == 0) {
        ++pos_;
        return true;
      }
    }
    return false;
  }

  bool endTag() {
    ++pos_;
    while (isNameChar(at(pos_))) ++pos_;
    skipSpace();
    if (at(pos_) != '>') return false;
    ++pos_;
    if (depth_ > 0) --depth_;
    return true;
  }

  // Name, attributes (each name, '=', a quoted value that may hold '>'),
  // then '>' opens a level and "/>" does not.
  bool startTag() {
    const size_t name = pos_;
    while (isNameChar(at(pos_))) ++pos_;
    if (pos_ == name) return false;
    if (!countNode()) return false;
    skipSpace();
    size_t attributes = 0;
    while (isAttributeNameChar(at(pos_))) {
      if (!countAttribute(++attributes)) return false;
      while (isAttributeNameChar(at(pos_))) ++pos_;
      skipSpace();
      if (at(pos_) != '=') return false;
      ++pos_;
      skipSpace();
      const char quote = at(pos_);
      if (quote != '"' && quote != '\'') return false;
      ++pos_;
      const size_t close = text_.find(quote, pos_);
      if (close == std::string_view::npos) return false;
      pos_ = close + 1;
      skipSpace();
    }
    if (at(pos_) == '>') {
      ++pos_;
      return countLevel(++depth_);
    }
    if (at(pos_) == '/' && at(pos_ + 1) == '>') {
      // An empty element opens nothing, but it is a level of the tree: the
      // depth counted is the depth of the definitions it becomes.
      pos_ += 2;
      return countLevel(depth_ + 1);
    }
    return false;
  }

  // Each count answers whether it is still within its limit; once one is
  // passed, the scan ends with that limit as its answer.
  bool within(bool passed, Excess which) {
    if (passed) excess_ = which;
    return !passed;
  }
  bool countLevel(size_t depth) { return within(depth > L::kMaxXmlDepth, Excess::depth); }
  bool countNode() { return within(++nodes_ > L::kMaxXmlElements, Excess::elements); }
  bool countAttribute(size_t onElement) {
    return within(onElement > L::kMaxXmlAttributesPerElement, Excess::attributesPerElement) &&
           within(++attributes_ > L::kMaxXmlAttributes, Excess::attributes);
  }

  std::string_view text_;
  size_t pos_ = 0;
  size_t depth_ = 0;
  size_t nodes_ = 0;
  size_t attributes_ = 0;
  Excess excess_ = Excess::none;
};

}  // namespace

XmlNestingScan::Excess XmlNestingScan::check(const char* text, size_t size) {
  // RapidXML reads a zero-terminated text: it ends at the first NUL.
  const void* nul = std::memchr(text, '\0', size);
  if (nul) size = static_cast<size_t>(static_cast<const char*>(nul) - text);
  return Scanner(text, size).run();
}
