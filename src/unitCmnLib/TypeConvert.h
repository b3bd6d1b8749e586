// Conversions between text and numbers or booleans in the C locale's text
// forms, whatever locale the host process has set. Failures raise
// unitCmnException (code 3) with the messages the parameter files report
// ("invalid stoi argument", "It is not a Boolean value.", ...).
#pragma once

#include <string>

class TypeConvert {
 public:
  // Like std::stoi/stoll/stoull/stod: leading blanks skipped, characters
  // after the number ignored.
  static int toInt(const std::string& text);
  static long long toLongLong(const std::string& text);
  static unsigned long long toULongLong(const std::string& text);
  static double toDouble(const std::string& text);
  // Single precision, as std::stof ("invalid stof argument"); versions are
  // compared this way.
  static float toFloat(const std::string& text);
  // Reads an unsigned number from the start of the text; 0 when there is none.
  static unsigned int toUInt(const std::string& text);
  // "true"/"false" in any letter case.
  static bool toBool(const std::string& text);

  static std::string toString(int value);
  static std::string toString(unsigned int value);
  static std::string toString(long long value);
  static std::string toString(unsigned long long value);
  // Fixed notation, exactly six decimals: 0.5 -> "0.500000".
  static std::string toString(double value);
  static std::string toString(bool value);
};
