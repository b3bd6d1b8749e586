// Every limit the readers put on a text they are handed, in one place (the
// reasoning behind each number is in docs/limits.md). A text past a limit
// is refused before it is parsed, through InputLimit, so a hostile text
// costs at most one linear scan.
#pragma once

#include <cstddef>

class ParamIoLimits {
 public:
  // Any text read (INI, XML or CSV, from memory or from a file).
  static constexpr std::size_t kMaxTextBytes = 64u * 1024u * 1024u;

  // INI job texts.
  static constexpr std::size_t kMaxIniSections = 250000;
  static constexpr std::size_t kMaxIniKeysPerSection = 10000;
  static constexpr std::size_t kMaxIniKeys = 2000000;

  // XML parameter texts.
  static constexpr std::size_t kMaxXmlDepth = 256;
  static constexpr std::size_t kMaxXmlElements = 2000000;
  static constexpr std::size_t kMaxXmlAttributesPerElement = 1000;
  static constexpr std::size_t kMaxXmlAttributes = 250000;
  // The dotted names of all definitions of one document together: a name
  // repeats its ancestors' names, so deep, long-named elements would cost
  // far more than their text.
  static constexpr std::size_t kMaxXmlNameBytes = 64u * 1024u * 1024u;

  // CSV data files.
  static constexpr std::size_t kMaxCsvRows = 1000000;
  static constexpr std::size_t kMaxCsvCells = 4000000;
};
