// The subcommands of jobpos, one row each: its name, its help text and
// what runs it. Adding a subcommand is adding a row.
#pragma once

#include <string>
#include <vector>

struct CommandRow {
  const char* name;
  std::string (*help)();  // starts with its "usage:" lines
  int (*run)(const std::vector<std::string>& args);
};

class CommandTable {
 public:
  static const std::vector<CommandRow>& rows();
  // The row of a subcommand; null for an unknown name.
  static const CommandRow* find(const std::string& name);
  // The usage lines of every subcommand, for the tool's own help.
  static std::string usage();
  // The tool's help: the usage, the kinds and the exit statuses.
  static std::string help();
  // The end of the help of a command that runs an execution and writes job
  // texts: --json, --allow-warnings, --log and the exit statuses.
  static const char* executionEnd();
};
