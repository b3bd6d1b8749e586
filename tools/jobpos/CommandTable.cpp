#include "CommandTable.h"

#include <sstream>

#include "ArrangeCommand.h"
#include "GroupCommand.h"
#include "JigCommand.h"
#include "KindTable.h"
#include "ReadCommand.h"
#include "ShowCommand.h"
#include "SlitterCommand.h"
#include "TileCommand.h"

namespace {

const std::vector<CommandRow> kRows = {
    {"arrange", ArrangeCommand::help, ArrangeCommand::run},
    {"tile", TileCommand::help, TileCommand::run},
    {"group", GroupCommand::help, GroupCommand::run},
    {"slitter", SlitterCommand::help, SlitterCommand::run},
    {"jig", JigCommand::help, JigCommand::run},
    {"show", ShowCommand::help, ShowCommand::run},
    {"read", ReadCommand::help, ReadCommand::run},
};

// The "usage:" line of a help text and the indented lines that continue it.
std::string usageOf(const std::string& help, bool first) {
  std::istringstream in(help);
  std::string out;
  for (std::string line; std::getline(in, line);) {
    if (line.rfind("usage: ", 0) == 0) {
      out += (first ? "usage: " : "       ") + line.substr(7) + "\n";
    } else if (!out.empty() && line.rfind("      ", 0) == 0) {
      out += line + "\n";
    } else if (!out.empty()) {
      break;
    }
  }
  return out;
}

}  // namespace

const std::vector<CommandRow>& CommandTable::rows() { return kRows; }

const CommandRow* CommandTable::find(const std::string& name) {
  for (const auto& row : kRows)
    if (name == row.name) return &row;
  return nullptr;
}

std::string CommandTable::usage() {
  std::string text;
  for (const auto& row : kRows) text += usageOf(row.help(), text.empty());
  text += "       jobpos --help | --version | COMMAND --help\n";
  return text;
}

std::string CommandTable::help() {
  return usage() +
         "\nLengths are in mm; scan runs across the media (width), feed along it.\n"
         "--length -1 is an unlimited roll. COMMAND --help explains every option.\n"
         "\nArrangement kinds (--kind), from the library's kind table:\n"
         "  job positions (arrange):\n" + KindTable::help(KindFamily::JobPosition) +
         "  tiles of one tiled job (tile):\n" + KindTable::help(KindFamily::Tiling) +
         "  groups of jobs (group):\n" + KindTable::help(KindFamily::Grouping) +
         "  the stand-alone XY slitter (slitter) takes no kind, only --variant\n"
         "\nExit status: 0 done; 1 the library refused (its error record is printed,\n"
         "nothing written); 2 bad usage or file (nothing written); 3 arranged and\n"
         "written, but the layout check found problems (see --allow-warnings).\n";
}

const char* CommandTable::executionEnd() {
  return "  --json FILE        also write the result as JSON (- for stdout)\n"
         "  --allow-warnings   exit 0 even when the layout check finds problems\n"
         "  --log LEVEL        trace, info or error: show the library's log on stderr\n"
         "Exit status: 0 done, 1 the library refused (nothing written), 2 bad usage or file,\n"
         "3 written but the layout check found problems (listed on stderr, drawn in red).\n";
}
