// The options and file arguments after the subcommand. Options take the
// forms "--name VALUE" and "--name=VALUE"; "--" ends the options. A list
// option may be given any number of times. Every problem (unknown or
// repeated option, missing or empty value, a value that is not a number) throws
// ToolError with status 2 and names the option.
#pragma once

#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

class CommandLine {
 public:
  CommandLine(const std::vector<std::string>& args, const std::set<std::string>& valueOptions,
              const std::set<std::string>& flagOptions,
              const std::set<std::string>& listOptions = {});

  bool has(const std::string& name) const;
  // The value of a value option; throws when the option was not given.
  std::string text(const std::string& name) const;
  double number(const std::string& name) const;
  double number(const std::string& name, double fallback) const;
  int integer(const std::string& name) const;
  // "A,B" as two numbers.
  std::pair<double, double> pair(const std::string& name, std::pair<double, double> fallback) const;
  // Every value of a list option, in the order given.
  std::vector<std::string> all(const std::string& name) const;
  const std::vector<std::string>& files() const { return files_; }

  // Strict conversions: the whole text must be a finite number.
  static bool parseNumber(const std::string& text, double& out);
  static bool parseInteger(const std::string& text, long& out);

 private:
  std::map<std::string, std::string> values_;
  std::set<std::string> flags_;
  std::map<std::string, std::vector<std::string>> lists_;
  std::vector<std::string> files_;
};
