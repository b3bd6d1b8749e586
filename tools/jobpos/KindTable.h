// The arrangement kinds as the library's own kind table lists them (its
// rows are written into the build by tools/kinds/WriteKindList.cpp), so
// that the help and every kind check name the kinds the library has.
#pragma once

#include <string>
#include <vector>

// Which execution runs a kind.
enum class KindFamily { JobPosition, Tiling, Grouping };

struct KindRow {
  int number;
  const char* name;    // the arranger's name
  const char* policy;  // "arrangePolicy" written for it; "" for none
  KindFamily family;
  bool available;      // false: the library refuses it in this build
};

class KindTable {
 public:
  // The row of a kind number; null when the library has no such kind.
  static const KindRow* find(int number);
  static const std::vector<KindRow>& rows();
  // The kind numbers of a family, in order.
  static std::vector<int> numbers(KindFamily family);
  // "6, 7 and 8", or "13 to 30" for a run of more than three numbers.
  static std::string spoken(KindFamily family);
  // "0,1,2,3,5,9,10,11".
  static std::string listed(KindFamily family);
  // One help line per kind of the family: number, name, and whether the
  // library runs it in this build.
  static std::string help(KindFamily family);
  // The kind runs rows on two rolls when --twin gives a second roll.
  static bool usesTwinRolls(int number);
};
