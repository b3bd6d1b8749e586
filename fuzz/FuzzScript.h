// One fuzz input of the C-interface target, read as a script in the
// format of the end-to-end cases (tests/data/e2e/*.case), so that those
// cases are its seeds. One statement a line; anything else is ignored:
//
//   init kind=1 gapScan=5 gapFeed=5 center=false width=1600 length=-1 twin=0,0
//   job NAME         ... end   a job text (two leading blanks dropped)
//   device           ... end   device-function parameters
//   optiscout        ... end   OptiScout cut conditions
//   jigparam         ... end   the instance's jig parameters (InitJigParam)
//   jigtext          ... end   the jig text of the next jig execution
//   vdp KEY          ... end   variable-data parameters under KEY
//   position OFFSET | tile a b c d e f g | group | slitter a b c d e f |
//   jig TARGET                 an execution (several run in order; with
//                              none, one job-position execution runs)
//
// Numbers that do not read are 0; every number is read by strtod/strtol,
// so "nan", "inf" and the ends of the ranges come through.
#pragma once

#include <string>
#include <utility>
#include <vector>

class FuzzScript {
 public:
  explicit FuzzScript(const std::string& input);

  struct Call {
    std::string name;  // "init", "job", "device", ..., "position", "tile", ...
    std::vector<std::string> words;  // the words after the name
    std::string text;                // the block of a block statement
  };
  const std::vector<Call>& calls() const { return calls_; }

  static double number(const std::vector<std::string>& words, size_t i);
  static long integer(const std::vector<std::string>& words, size_t i);
  static bool flag(const std::vector<std::string>& words, size_t i);
  // init's key=value words as init's eight arguments in their order.
  static std::vector<std::string> initArguments(const std::vector<std::string>& words);

 private:
  static bool isBlock(const std::string& name, size_t wordCount);

  std::vector<Call> calls_;
};
