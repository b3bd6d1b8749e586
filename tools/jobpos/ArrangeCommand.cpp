#include "ArrangeCommand.h"

#include <boost/filesystem.hpp>
#include <cstdio>
#include <fstream>
#include <sstream>

#include "CommandLine.h"
#include "CutLinesOverlay.h"
#include "JobText.h"
#include "KindTable.h"
#include "LayoutEngine.h"
#include "LayoutReport.h"
#include "LogSink.h"
#include "MediaOptions.h"
#include "OutputFiles.h"
#include "SheetLayout.h"
#include "SvgPicture.h"
#include "ToolError.h"

namespace fs = boost::filesystem;

namespace {

const char* const kUsage =
    "usage: jobpos arrange --kind K --width W --length L [--gap SCAN,FEED] [--center]\n"
    "                      [--twin START2,WIDTH1] [--offset D] [--device FILE.xml]\n"
    "                      [--optiscout FILE.xml] --out DIR [--svg FILE] [--json FILE|-]\n"
    "                      [--allow-warnings] [--log LEVEL] JOB.ini...\n"
    "Arranges the copies and pages of the jobs on the media by one job-position kind\n"
    "and writes every job back into DIR under its file name.\n"
    "  --kind K           the arrangement (table below)\n"
    "  --width W          printable width across the media, mm\n"
    "  --length L         printable length of a sheet, mm; -1 an unlimited roll\n"
    "  --gap SCAN,FEED    mm kept between units across and along (default 0,0)\n"
    "  --center           centre the units across the printable width\n"
    "  --twin START2,WIDTH1  two rolls side by side (kind 5): the second roll starts\n"
    "                     START2 mm across, the first roll is WIDTH1 mm wide; WIDTH1\n"
    "                     may not exceed START2 (default 0,0: one roll)\n"
    "  --offset D         the position offset handed to the library, mm; only the\n"
    "                     block-move kind reads it, every other kind ignores it\n"
    "  --device FILE.xml  device-function parameters (XML)\n"
    "  --optiscout FILE.xml  OptiScout cut conditions (XML), for the code strip\n"
    "  --out DIR          where the arranged job texts go\n"
    "  --svg FILE         also draw the layout\n"
    "  --json FILE        also write the result as JSON (- for stdout; the usual\n"
    "                     lines then go to stderr)\n"
    "  --allow-warnings   exit 0 even when the layout check finds problems\n"
    "  --log LEVEL        trace, info or error: show the library's log on stderr\n"
    "Kinds: 0 and 9 lay the units one below the other (0 first lays upright images on\n"
    "their side); 1, 2, 3, 10 and 11 pack them for the least media (1 turns units\n"
    "where that fits, 2 and 10 undo every turn, 3 and 11 keep the job's turn); 5 lays\n"
    "them in rows on two rolls (--twin); 4 packs them for a Fotoba trimmer, a layout\n"
    "cut by straight cuts through the whole piece (drawn with the trimmer's cut\n"
    "lines); 12 is the layout of 1 moved across by --offset. From the library's kind\n"
    "table:\n";

const char* const kStatuses =
    "Exit status: 0 done, 1 the library refused (nothing written), 2 bad usage or\n"
    "file, 3 written but the layout check found problems (overlaps, units outside\n"
    "the media or across the rolls; listed on stderr and drawn in red).\n";

ToolError usage(const std::string& message) { return ToolError(ToolError::kUsage, message); }

// A parameter file's whole text.
std::string parameterText(const std::string& option, const std::string& path) {
  boost::system::error_code error;
  if (!fs::is_regular_file(path, error))
    throw usage(option + " " + path + ": no such file");
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  if (!in || !(text << in.rdbuf())) throw usage(option + " " + path + ": cannot be read");
  return text.str();
}

MediaSettings mediaOf(const CommandLine& line) {
  const MediaSettings media = MediaOptions::read(line);
  if (KindTable::find(media.kind) == nullptr)
    throw usage("unknown kind " + std::to_string(media.kind) + ": the library's kinds are " +
                std::to_string(KindTable::rows().front().number) + "-" +
                std::to_string(KindTable::rows().back().number) + ", the job-position kinds " +
                KindTable::listed(KindFamily::JobPosition));
  return media;
}

void noteKind(const MediaSettings& media, double positionOffset) {
  const KindRow* kind = KindTable::find(media.kind);
  if (kind->family != KindFamily::JobPosition)
    std::fprintf(stderr,
                 "jobpos: note: kind %d is not a job-position kind (%s); the library may leave "
                 "the jobs unarranged\n",
                 media.kind, KindTable::listed(KindFamily::JobPosition).c_str());
  if (positionOffset != 0.0 && std::string(kind->policy) != "BlockMove")
    std::fprintf(stderr, "jobpos: note: kind %d (%s) does not read --offset\n", media.kind,
                 kind->name);
}

// A parameter text handed to the library; one it cannot read is a file error.
void addParameters(LayoutEngine& engine, const CommandLine& line) {
  for (const char* option : {"--device", "--optiscout"}) {
    if (!line.has(option)) continue;
    const std::string path = line.text(option);
    const std::string text = parameterText(option, path);
    const std::string record = std::string(option) == "--device"
                                   ? engine.addDeviceFunctionParam(text)
                                   : engine.addOptiScoutCutConditions(text);
    if (!record.empty())
      throw usage(std::string(option) + " " + path + ": the library cannot read it: " + record);
  }
}

}  // namespace

std::string ArrangeCommand::help() {
  return kUsage + KindTable::help(KindFamily::JobPosition) + kStatuses;
}

int ArrangeCommand::run(const std::vector<std::string>& args) {
  const CommandLine line(args,
                         {"--kind", "--width", "--length", "--gap", "--twin", "--offset",
                          "--device", "--optiscout", "--out", "--svg", "--json", "--log"},
                         {"--center", "--allow-warnings"});
  if (line.has("--log")) LogSink::install(line.text("--log"));
  const MediaSettings media = mediaOf(line);
  const double positionOffset = line.number("--offset", 0.0);
  const fs::path outDir = line.text("--out");
  if (line.files().empty()) throw usage("arrange needs at least one job file");

  // Everything is read and checked before the library arranges anything.
  const std::vector<JobText> jobs = JobText::fromFiles(line.files(), outDir.string());
  noteKind(media, positionOffset);
  LayoutEngine engine;
  engine.init(media);
  engine.addJobs(jobs);
  addParameters(engine, line);
  const SheetRect rect = engine.arrange(positionOffset);

  OutputFiles outputs;
  const std::vector<JobText> arranged = outputs.addArranged(jobs, engine.jobTexts(), outDir);
  const SheetLayout layout(arranged, jobs);
  const SheetMedia sheet = MediaOptions::sheetOf(media);
  const LayoutReport report(layout, sheet);
  // The Fotoba kind's layout is drawn with the trimmer's cut lines.
  const CutLinesOverlay cuts;
  const PictureOverlay* overlay = media.kind == 4 ? &cuts : nullptr;
  if (line.has("--svg"))
    outputs.add(line.text("--svg"), SvgPicture(sheet, overlay).render(layout, report));
  if (line.has("--json") && !LayoutReport::jsonToStdout(line))
    outputs.add(line.text("--json"), report.json("arrange", &rect));
  outputs.commit();

  std::FILE* out = LayoutReport::linesTo(line);
  for (const auto& warning : layout.warnings())
    std::fprintf(stderr, "jobpos: warning: %s\n", warning.c_str());
  report.printWarnings();
  std::fprintf(out, "rectangle of sheet 1: x=%.3f y=%.3f width=%.3f height=%.3f mm\n", rect.x,
               rect.y, rect.width, rect.height);
  for (const auto& s : layout.sheets()) std::fprintf(out, "%s\n", s.summary(media.width).c_str());
  if (layout.sheets().empty()) std::fprintf(out, "no arranged units in the returned jobs\n");
  else std::fprintf(out, "%s\n", report.totalLine().c_str());
  std::fprintf(out, "%zu job texts written to %s\n", jobs.size(), outDir.string().c_str());
  if (line.has("--svg")) std::fprintf(out, "picture written to %s\n", line.text("--svg").c_str());
  if (LayoutReport::jsonToStdout(line)) std::fputs(report.json("arrange", &rect).c_str(), stdout);
  return report.status(line.has("--allow-warnings"));
}
