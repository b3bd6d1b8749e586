// Reading the lengths a cutter layout is made of from job and device
// settings: every one must be a finite number of 0 mm or more.
#pragma once

#include <string>

class CutterKeys {
 public:
  // The value; raises "<what>: <key> is not a length of 0 mm or more
  // (<value>)" otherwise.
  static double length(const std::string& what, const std::string& key, double value);
};
