#include "ShowCommand.h"

#include <algorithm>
#include <cstdio>

#include "CommandLine.h"
#include "JobText.h"
#include "LayoutReport.h"
#include "OutputFiles.h"
#include "SheetLayout.h"
#include "SvgPicture.h"
#include "ToolError.h"

namespace {

const char* const kHelp =
    "usage: jobpos show [--width W] [--length L] [--twin START2,WIDTH1] [--svg FILE]\n"
    "                   [--json FILE|-] [--allow-warnings] JOB.ini...\n"
    "Draws, measures and checks the arrangement that job files already hold (as\n"
    "jobpos arrange wrote them), without calling the library.\n"
    "  --width W          the printable width, mm; default: the width the\n"
    "                     arrangement records, else as far as the units reach\n"
    "  --length L         the sheet length, mm (-1 a roll); default: the length\n"
    "                     the arrangement records, else a roll\n"
    "  --twin START2,WIDTH1  check and draw two rolls: the second starts START2 mm\n"
    "                     across, the first is WIDTH1 mm wide\n"
    "  --svg FILE         draw the layout\n"
    "  --json FILE        write the layout as JSON (- for stdout)\n"
    "  --allow-warnings   exit 0 even when the layout check finds problems\n"
    "Exit status: 0 done, 2 bad usage or file, 3 the layout check found problems.\n";

ToolError usage(const std::string& message) { return ToolError(ToolError::kUsage, message); }

// The media: as given, else as the arrangement recorded it; the width
// else as far as the units reach.
SheetMedia mediaOf(const CommandLine& line, const SheetLayout& layout) {
  SheetMedia media;
  media.width = line.number("--width", layout.recordedWidth());
  if (line.has("--width") && media.width <= 0.0) throw usage("--width must be more than 0 mm");
  media.length = line.number("--length", layout.recordedLength());
  if (line.has("--length") && media.length != -1.0 && media.length <= 0.0)
    throw usage("--length must be more than 0 mm, or -1 for an unlimited roll");
  const auto twin = line.pair("--twin", {0.0, 0.0});
  if (twin.first < 0.0 || twin.second < 0.0) throw usage("--twin must not be negative");
  if (twin.second > twin.first)
    throw usage("--twin: the first roll may not be wider than where the second starts");
  media.twinStart = twin.first;
  media.firstRoll = twin.second;
  if (media.width <= 0.0) {
    for (const auto& s : layout.sheets())
      for (const auto& u : s.units()) media.width = std::max(media.width, u.x + u.width);
    if (media.width > 0.0)
      std::fprintf(stderr,
                   "jobpos: note: the jobs record no printable width; measured %.1f mm wide, as "
                   "far as the units reach (give --width)\n",
                   media.width);
  }
  return media;
}

}  // namespace

std::string ShowCommand::help() { return kHelp; }

int ShowCommand::run(const std::vector<std::string>& args) {
  const CommandLine line(args, {"--width", "--length", "--twin", "--svg", "--json"},
                         {"--allow-warnings"});
  if (line.files().empty()) throw usage("show needs at least one job file");
  std::vector<JobText> jobs;
  for (const auto& file : line.files()) jobs.push_back(JobText::fromFile(file));
  const SheetLayout layout(jobs);
  const SheetMedia media = mediaOf(line, layout);
  const LayoutReport report(layout, media);

  OutputFiles outputs;
  if (line.has("--svg")) outputs.add(line.text("--svg"), SvgPicture(media).render(layout, report));
  if (line.has("--json") && !LayoutReport::jsonToStdout(line))
    outputs.add(line.text("--json"), report.json("show", nullptr));
  outputs.commit();

  std::FILE* out = LayoutReport::linesTo(line);
  for (const auto& warning : layout.warnings())
    std::fprintf(stderr, "jobpos: warning: %s\n", warning.c_str());
  report.printWarnings();
  for (const auto& sheet : layout.sheets())
    std::fprintf(out, "%s\n", sheet.summary(media.width).c_str());
  if (layout.sheets().empty()) std::fprintf(out, "no arranged units in these jobs\n");
  else std::fprintf(out, "%s\n", report.totalLine().c_str());
  if (line.has("--svg")) std::fprintf(out, "picture written to %s\n", line.text("--svg").c_str());
  if (LayoutReport::jsonToStdout(line)) std::fputs(report.json("show", nullptr).c_str(), stdout);
  return report.status(line.has("--allow-warnings"));
}
