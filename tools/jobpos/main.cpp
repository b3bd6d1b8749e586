// jobpos: the command-line host of the layout engine. It reaches the
// engine only through the public C header and the shared library, as any
// host does. Exit status: 0 success, 1 a library call answered false,
// 2 a usage or file error. See docs/jobpos.md.
#include <cstdio>
#include <exception>
#include <string>
#include <vector>

#include "ArrangeCommand.h"
#include "GroupCommand.h"
#include "JigCommand.h"
#include "LogSink.h"
#include "ReadCommand.h"
#include "ShowCommand.h"
#include "SlitterCommand.h"
#include "TileCommand.h"
#include "ToolError.h"

namespace {

const char* const kUsage =
    "usage: jobpos arrange --kind K --width W --length L [--gap SCAN,FEED] [--center]\n"
    "                      [--twin WIDTH1,WIDTH2] [--offset D] [--device FILE.xml]\n"
    "                      [--optiscout FILE.xml] --out DIR [--svg FILE] [--log LEVEL]\n"
    "                      JOB.ini...\n"
    "       jobpos tile --kind 6|7|8 --width W --length L [--gap SCAN,FEED]\n"
    "                   [--page-gap MM] [--after-feed] [--pair-first] [--pair-second]\n"
    "                   [--second-column-offset MM] [--pair-count N] [--row-width MM]\n"
    "                   --out DIR [--svg FILE] [--log LEVEL] JOB.ini\n"
    "       jobpos group --kind 13..30 --width W --length L [--gap SCAN,FEED] [--center]\n"
    "                    [--twin WIDTH1,WIDTH2] --out DIR [--svg FILE] [--log LEVEL]\n"
    "                    JOB.ini...\n"
    "       jobpos slitter --width W --length L [--gap SCAN,FEED] [--center] [--variant N]\n"
    "                      [--device FILE.xml] --out DIR [--svg FILE] [--log LEVEL] JOB.ini...\n"
    "       jobpos show [--width W] --svg FILE JOB.ini...\n"
    "       jobpos read --out DIR [--log LEVEL] JOB.ini...\n"
    "       jobpos jig --jig FILE.xml --target ID [--vdp ID=FILE.xml ...] --out DIR\n"
    "                  [--svg FILE] [--log LEVEL] JOB.ini...\n"
    "lengths in mm; --length -1 is an unlimited roll; LEVEL is trace, info or error;\n"
    "job-position kinds: 0-5 and 9-12 (the library knows 0-30); tiling kinds 6,7,8;\n"
    "grouping kinds 13-30 but 27,28; jobpos tile --help, jobpos group --help and\n"
    "jobpos slitter --help explain those commands\n";

bool asksForHelp(const std::vector<std::string>& args) {
  return args.size() == 2 && (args[1] == "--help" || args[1] == "-h");
}

}  // namespace

int main(int argc, char** argv) {
  // The library logs through Boost.Log and adds no sink; without one,
  // Boost.Log would print every record. Records are shown only on --log.
  LogSink::switchOff();
  const std::vector<std::string> args(argv + 1, argv + argc);
  if (args.empty()) {
    std::fputs(kUsage, stderr);
    return ToolError::kUsage;
  }
  if (args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
    std::fputs(kUsage, stdout);
    return 0;
  }
  if (args[0] == "tile" && asksForHelp(args)) {
    std::fputs(TileCommand::help(), stdout);
    return 0;
  }
  if (args[0] == "group" && asksForHelp(args)) {
    std::fputs(GroupCommand::help(), stdout);
    return 0;
  }
  if (args[0] == "slitter" && asksForHelp(args)) {
    std::fputs(SlitterCommand::help(), stdout);
    return 0;
  }
  const std::vector<std::string> rest(args.begin() + 1, args.end());
  try {
    if (args[0] == "arrange") return ArrangeCommand::run(rest);
    if (args[0] == "tile") return TileCommand::run(rest);
    if (args[0] == "group") return GroupCommand::run(rest);
    if (args[0] == "slitter") return SlitterCommand::run(rest);
    if (args[0] == "show") return ShowCommand::run(rest);
    if (args[0] == "read") return ReadCommand::run(rest);
    if (args[0] == "jig") return JigCommand::run(rest);
    std::fprintf(stderr, "jobpos: unknown command '%s'\n%s", args[0].c_str(), kUsage);
    return ToolError::kUsage;
  } catch (const ToolError& e) {
    std::fprintf(stderr, "jobpos: %s\n", e.what());
    return e.status();
  } catch (const std::exception& e) {
    std::fprintf(stderr, "jobpos: %s\n", e.what());
    return ToolError::kUsage;
  }
}
