// Reads and writes one key of a job-file section as its C++ type.
// Scalars use the section's own conversions (texts with the double-quote
// rule, doubles with six decimals); compound values are encoded to text
// and stored without quotes:
//   list            1,2,3                (empty value = empty list)
//   pair, quad      1.000000,2.000000
//   list of lists   1;2,3                inner ";" outer ","
//   in braces       {1,2},{3,4}
//   labelled        {label;1,2},{b;3,4}
//   int;bool pairs  1;true,2;false
//   member list     "a",("b";"c")
// A read first resets the value (0, false, empty); a missing key keeps
// that reset value and is logged by the section. A value that does not
// convert, or a compound value of more values than JobParamLimits allows,
// raises unitCmnException.
#pragma once

#include <string>

#include "unitCmnJobParam/SectionValues.h"
#include "unitCmnParamIo/IniSectionDataEx.h"

class FieldCodec {
 public:
  template <class T>
  static void read(const IniSectionDataEx& section, const std::string& key, T& value) {
    value = T{};
    readInto(section, key, value);
  }

  static void write(IniSectionDataEx& s, const std::string& key, bool v) { s.setValue(key, v); }
  static void write(IniSectionDataEx& s, const std::string& key, int v) { s.setValue(key, v); }
  static void write(IniSectionDataEx& s, const std::string& key, long long v) { s.setValue(key, v); }
  static void write(IniSectionDataEx& s, const std::string& key, unsigned long long v) {
    s.setValue(key, v);
  }
  static void write(IniSectionDataEx& s, const std::string& key, double v) { s.setValue(key, v); }
  static void write(IniSectionDataEx& s, const std::string& key, const std::string& v) {
    s.setValue(key, v);
  }
  template <class T>
  static void write(IniSectionDataEx& s, const std::string& key, const T& v) {
    s.setValueNonDq(key, encode(v));
  }

  // Text forms of the compound values.
  static std::string encode(const IntList& v);
  static std::string encode(const DoubleList& v);
  static std::string encode(const TextList& v);
  static std::string encode(const IntPair& v);
  static std::string encode(const DoublePair& v);
  static std::string encode(const IntQuad& v);
  static std::string encode(const DoubleQuad& v);
  static std::string encode(const IntLists& v);
  static std::string encode(const UInt64Lists& v);
  static std::string encode(const TextLists& v);
  static std::string encode(const IntPairsInBraces& v);
  static std::string encode(const DoubleQuadsInBraces& v);
  static std::string encode(const IntBoolPairs& v);
  static std::string encode(const LabelledIntPairs& v);
  static std::string encode(const LabelledDoublePairs& v);
  static std::string encode(const LabelledTextLists& v);
  static std::string encode(const MemberList& v);

  static void decode(const std::string& text, IntList& v);
  static void decode(const std::string& text, DoubleList& v);
  static void decode(const std::string& text, TextList& v);
  static void decode(const std::string& text, IntPair& v);
  static void decode(const std::string& text, DoublePair& v);
  static void decode(const std::string& text, IntQuad& v);
  static void decode(const std::string& text, DoubleQuad& v);
  static void decode(const std::string& text, IntLists& v);
  static void decode(const std::string& text, UInt64Lists& v);
  static void decode(const std::string& text, TextLists& v);
  static void decode(const std::string& text, IntPairsInBraces& v);
  static void decode(const std::string& text, DoubleQuadsInBraces& v);
  static void decode(const std::string& text, IntBoolPairs& v);
  static void decode(const std::string& text, LabelledIntPairs& v);
  static void decode(const std::string& text, LabelledDoublePairs& v);
  static void decode(const std::string& text, LabelledTextLists& v);
  static void decode(const std::string& text, MemberList& v);

 private:
  static void readInto(const IniSectionDataEx& s, const std::string& key, bool& v) { s.getValue(key, v); }
  static void readInto(const IniSectionDataEx& s, const std::string& key, int& v) { s.getValue(key, v); }
  static void readInto(const IniSectionDataEx& s, const std::string& key, long long& v) {
    s.getValue(key, v);
  }
  static void readInto(const IniSectionDataEx& s, const std::string& key, unsigned long long& v) {
    s.getValue(key, v);
  }
  static void readInto(const IniSectionDataEx& s, const std::string& key, double& v) {
    s.getValue(key, v);
  }
  static void readInto(const IniSectionDataEx& s, const std::string& key, std::string& v) {
    s.getValue(key, v);
  }
  template <class T>
  static void readInto(const IniSectionDataEx& s, const std::string& key, T& v) {
    std::string raw;
    if (!s.getValueNonDq(key, raw)) return;
    requireListSize(key, raw);
    decode(raw, v);
  }
  // Refuses a compound value of more than JobParamLimits::kMaxListValues
  // values before it is split.
  static void requireListSize(const std::string& key, const std::string& raw);
};
