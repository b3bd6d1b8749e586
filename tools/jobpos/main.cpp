// jobpos: the command-line host of the layout engine. It reaches the
// engine only through the public C header and the shared library, as any
// host does. Exit status: 0 success, 1 a library call answered false,
// 2 a usage or file error, 3 arranged but the layout needs attention.
// See docs/jobpos.md.
#include <cstdio>
#include <exception>
#include <string>
#include <vector>

#include "CommandTable.h"
#include "LibraryErrors.h"
#include "LogSink.h"
#include "ToolError.h"

namespace {

bool isHelp(const std::string& arg) { return arg == "--help" || arg == "-h"; }

// A subcommand's own help: --help or -h anywhere among its options.
bool asksForHelp(const std::vector<std::string>& args) {
  for (size_t i = 1; i < args.size() && args[i] != "--"; ++i)
    if (isHelp(args[i])) return true;
  return false;
}

int runCommand(const CommandRow& command, const std::vector<std::string>& args) {
  try {
    return command.run(std::vector<std::string>(args.begin() + 1, args.end()));
  } catch (const ToolError& e) {
    std::fprintf(stderr, "jobpos: %s\n", e.what());
    return e.status();
  } catch (const std::exception& e) {
    std::fprintf(stderr, "jobpos: %s\n", e.what());
    return ToolError::kUsage;
  }
}

}  // namespace

int main(int argc, char** argv) {
  // The library logs through Boost.Log and adds no sink. jobpos keeps its
  // error records (to print them when it refuses) and shows the rest only
  // on --log.
  LibraryErrors::install();
  LogSink::errorsOnly();
  const std::vector<std::string> args(argv + 1, argv + argc);
  if (args.empty()) {
    std::fputs(CommandTable::usage().c_str(), stderr);
    return ToolError::kUsage;
  }
  if (isHelp(args[0]) || args[0] == "help") {
    std::fputs(CommandTable::help().c_str(), stdout);
    return 0;
  }
  if (args[0] == "--version") {
    std::printf("jobpos, host of unitCmnAlignmentJobPosition %s\n", JOBPOS_LIBRARY_VERSION);
    return 0;
  }
  const CommandRow* command = CommandTable::find(args[0]);
  if (command == nullptr) {
    std::fprintf(stderr, "jobpos: unknown command '%s'\n%s", args[0].c_str(),
                 CommandTable::usage().c_str());
    return ToolError::kUsage;
  }
  if (asksForHelp(args)) {
    std::fputs(command->help().c_str(), stdout);
    return 0;
  }
  return runCommand(*command, args);
}
