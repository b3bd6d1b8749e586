// The compound value types of job-file keys. Each C++ type has exactly one
// text encoding (see FieldCodec), so a section table needs only the key and
// the field.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

using IntPair = std::array<int, 2>;
using DoublePair = std::array<double, 2>;  // (scan, feed) or (x, y), mm
using IntQuad = std::array<int, 4>;
using DoubleQuad = std::array<double, 4>;

using IntList = std::vector<int>;
using DoubleList = std::vector<double>;
using TextList = std::vector<std::string>;  // written without quotes

using IntLists = std::vector<IntList>;          // "1;2,3": {1,2},{3}
using UInt64Lists = std::vector<std::vector<unsigned long long>>;
using TextLists = std::vector<TextList>;

using IntPairsInBraces = std::vector<IntPair>;  // "{1,2},{3,4}"
using DoubleQuadsInBraces = std::vector<DoubleQuad>;

using IntBoolPairs = std::vector<std::pair<int, bool>>;  // "1;true,2;false"

// One labelled entry: "{label;a,b}".
template <class Values>
struct Labelled {
  std::string label;
  Values values{};
  bool operator==(const Labelled& o) const { return label == o.label && values == o.values; }
};
using LabelledIntPairs = std::vector<Labelled<IntPair>>;
using LabelledDoublePairs = std::vector<Labelled<DoublePair>>;
using LabelledTextLists = std::vector<Labelled<TextList>>;

// Groups of job identifiers: a lone text "a" or several ("a";"b") in
// parentheses, groups joined by ",".
struct MemberList {
  std::vector<TextList> groups;
  bool operator==(const MemberList& o) const { return groups == o.groups; }
};
