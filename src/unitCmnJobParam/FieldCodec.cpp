#include "unitCmnJobParam/FieldCodec.h"

#include <algorithm>
#include <boost/algorithm/string/join.hpp>
#include <boost/algorithm/string/split.hpp>

#include "unitCmnExceptions/InputLimit.h"
#include "unitCmnJobParam/JobParamLimits.h"
#include "unitCmnLib/TypeConvert.h"

namespace {

// Parts of text between separators, empty parts kept; no text, no parts.
std::vector<std::string> split(const std::string& text, const char* separator) {
  std::vector<std::string> parts;
  if (text.empty()) return parts;
  boost::algorithm::split(parts, text, [&](char c) { return c == *separator; });
  return parts;
}

std::string elementText(int v) { return TypeConvert::toString(v); }
std::string elementText(unsigned long long v) { return TypeConvert::toString(v); }
std::string elementText(double v) { return TypeConvert::toString(v); }
std::string elementText(bool v) { return TypeConvert::toString(v); }
std::string elementText(const std::string& v) { return v; }

void parseElement(const std::string& t, int& v) { v = TypeConvert::toInt(t); }
void parseElement(const std::string& t, unsigned long long& v) { v = TypeConvert::toULongLong(t); }
void parseElement(const std::string& t, double& v) { v = TypeConvert::toDouble(t); }
void parseElement(const std::string& t, bool& v) { v = TypeConvert::toBool(t); }
void parseElement(const std::string& t, std::string& v) { v = t; }

// Appended in place: a unit's section holds several pairs, and a run
// writes one section a unit.
template <class Range>
std::string joined(const Range& values, const char* separator) {
  std::string text;
  bool first = true;
  for (const auto& v : values) {
    if (!first) text += separator;
    first = false;
    text += elementText(v);
  }
  return text;
}

template <class T>
void parseList(const std::string& text, const char* separator, std::vector<T>& out) {
  out.clear();
  for (const auto& part : split(text, separator)) {
    T v{};
    parseElement(part, v);
    out.push_back(v);
  }
}

// Fixed-size groups: missing trailing values stay 0, extra ones are ignored.
template <class T, size_t N>
void parseFixed(const std::string& text, std::array<T, N>& out) {
  out = {};
  const auto parts = split(text, ",");
  for (size_t i = 0; i < N && i < parts.size(); ++i) parseElement(parts[i], out[i]);
}

template <class T, size_t N>
std::string bracedGroups(const std::vector<std::array<T, N>>& groups) {
  std::vector<std::string> parts;
  for (const auto& g : groups) parts.push_back("{" + joined(g, ",") + "}");
  return boost::algorithm::join(parts, ",");
}

// Each text between "{" and the next "}" is one group; the next group is
// looked for after that "}" (groups do not nest), so each character is
// read once however the braces stand.
template <class T, size_t N>
void parseBracedGroups(const std::string& text, std::vector<std::array<T, N>>& out) {
  out.clear();
  for (size_t open = text.find('{'); open != std::string::npos; open = text.find('{', open + 1)) {
    const size_t close = text.find('}', open);
    if (close == std::string::npos) break;
    std::array<T, N> group{};
    parseFixed(text.substr(open + 1, close - open - 1), group);
    out.push_back(group);
    open = close;
  }
}

template <class T>
std::string nestedLists(const std::vector<std::vector<T>>& lists) {
  std::vector<std::string> parts;
  for (const auto& inner : lists) parts.push_back(joined(inner, ";"));
  return boost::algorithm::join(parts, ",");
}

template <class T>
void parseNestedLists(const std::string& text, std::vector<std::vector<T>>& out) {
  out.clear();
  for (const auto& part : split(text, ",")) {
    std::vector<T> inner;
    parseList(part, ";", inner);
    out.push_back(inner);
  }
}

template <class Values>
std::string labelledEntries(const std::vector<Labelled<Values>>& entries) {
  std::vector<std::string> parts;
  for (const auto& e : entries) parts.push_back("{" + e.label + ";" + joined(e.values, ",") + "}");
  return boost::algorithm::join(parts, ",");
}

void parseValues(const std::string& text, TextList& out) { parseList(text, ",", out); }
template <class T, size_t N>
void parseValues(const std::string& text, std::array<T, N>& out) { parseFixed(text, out); }

// Entries are split at "},", then the label at ";", then the values at ",".
template <class Values>
void parseLabelledEntries(const std::string& text, std::vector<Labelled<Values>>& out) {
  out.clear();
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find("},", start);
    std::string entry = text.substr(start, end == std::string::npos ? std::string::npos : end - start);
    start = end == std::string::npos ? text.size() : end + 2;
    if (!entry.empty() && entry.front() == '{') entry.erase(0, 1);
    if (!entry.empty() && entry.back() == '}') entry.pop_back();
    Labelled<Values> item;
    const size_t semicolon = entry.find(';');
    item.label = entry.substr(0, semicolon);
    if (semicolon != std::string::npos) parseValues(entry.substr(semicolon + 1), item.values);
    out.push_back(item);
  }
}

std::string quoted(const std::string& text) { return "\"" + text + "\""; }

std::string unquoted(std::string text) {
  if (!text.empty() && text.front() == '"') text.erase(0, 1);
  if (!text.empty() && text.back() == '"') text.pop_back();
  return text;
}

}  // namespace

void FieldCodec::requireListSize(const std::string& key, const std::string& raw) {
  const auto separators = std::count_if(raw.begin(), raw.end(),
                                        [](char c) { return c == ',' || c == ';'; });
  InputLimit::require(UNITCMN_SITE, "the value count of key " + key.substr(0, 64),
                      static_cast<unsigned long long>(separators) + 1,
                      JobParamLimits::kMaxListValues, "values");
}

std::string FieldCodec::encode(const IntList& v) { return joined(v, ","); }
std::string FieldCodec::encode(const DoubleList& v) { return joined(v, ","); }
std::string FieldCodec::encode(const TextList& v) { return joined(v, ","); }
std::string FieldCodec::encode(const IntPair& v) { return joined(v, ","); }
std::string FieldCodec::encode(const DoublePair& v) { return joined(v, ","); }
std::string FieldCodec::encode(const IntQuad& v) { return joined(v, ","); }
std::string FieldCodec::encode(const DoubleQuad& v) { return joined(v, ","); }
std::string FieldCodec::encode(const IntLists& v) { return nestedLists(v); }
std::string FieldCodec::encode(const UInt64Lists& v) { return nestedLists(v); }
std::string FieldCodec::encode(const TextLists& v) { return nestedLists(v); }
std::string FieldCodec::encode(const IntPairsInBraces& v) { return bracedGroups(v); }
std::string FieldCodec::encode(const DoubleQuadsInBraces& v) { return bracedGroups(v); }
std::string FieldCodec::encode(const LabelledIntPairs& v) { return labelledEntries(v); }
std::string FieldCodec::encode(const LabelledDoublePairs& v) { return labelledEntries(v); }
std::string FieldCodec::encode(const LabelledTextLists& v) { return labelledEntries(v); }

std::string FieldCodec::encode(const IntBoolPairs& v) {
  std::vector<std::string> parts;
  for (const auto& p : v) parts.push_back(elementText(p.first) + ";" + elementText(p.second));
  return boost::algorithm::join(parts, ",");
}

std::string FieldCodec::encode(const MemberList& v) {
  std::vector<std::string> groups;
  for (const auto& group : v.groups) {
    std::vector<std::string> names;
    for (const auto& name : group) names.push_back(quoted(name));
    const std::string inner = boost::algorithm::join(names, ";");
    groups.push_back(group.size() == 1 ? inner : "(" + inner + ")");
  }
  return boost::algorithm::join(groups, ",");
}

void FieldCodec::decode(const std::string& t, IntList& v) { parseList(t, ",", v); }
void FieldCodec::decode(const std::string& t, DoubleList& v) { parseList(t, ",", v); }
void FieldCodec::decode(const std::string& t, TextList& v) { parseList(t, ",", v); }
void FieldCodec::decode(const std::string& t, IntPair& v) { parseFixed(t, v); }
void FieldCodec::decode(const std::string& t, DoublePair& v) { parseFixed(t, v); }
void FieldCodec::decode(const std::string& t, IntQuad& v) { parseFixed(t, v); }
void FieldCodec::decode(const std::string& t, DoubleQuad& v) { parseFixed(t, v); }
void FieldCodec::decode(const std::string& t, IntLists& v) { parseNestedLists(t, v); }
void FieldCodec::decode(const std::string& t, UInt64Lists& v) { parseNestedLists(t, v); }
void FieldCodec::decode(const std::string& t, TextLists& v) { parseNestedLists(t, v); }
void FieldCodec::decode(const std::string& t, IntPairsInBraces& v) { parseBracedGroups(t, v); }
void FieldCodec::decode(const std::string& t, DoubleQuadsInBraces& v) { parseBracedGroups(t, v); }
void FieldCodec::decode(const std::string& t, LabelledIntPairs& v) { parseLabelledEntries(t, v); }
void FieldCodec::decode(const std::string& t, LabelledDoublePairs& v) { parseLabelledEntries(t, v); }
void FieldCodec::decode(const std::string& t, LabelledTextLists& v) { parseLabelledEntries(t, v); }

void FieldCodec::decode(const std::string& t, IntBoolPairs& v) {
  v.clear();
  for (const auto& part : split(t, ",")) {
    const auto halves = split(part, ";");
    std::pair<int, bool> p{0, false};
    if (!halves.empty()) parseElement(halves[0], p.first);
    if (halves.size() > 1) parseElement(halves[1], p.second);
    v.push_back(p);
  }
}

void FieldCodec::decode(const std::string& t, MemberList& v) {
  v.groups.clear();
  for (std::string group : split(t, ",")) {
    TextList names;
    if (!group.empty() && group.front() == '(') {
      group = group.substr(1, group.size() >= 2 && group.back() == ')' ? group.size() - 2 : std::string::npos);
      for (const auto& name : split(group, ";")) names.push_back(unquoted(name));
    } else {
      names.push_back(unquoted(group));
    }
    v.groups.push_back(names);
  }
}
