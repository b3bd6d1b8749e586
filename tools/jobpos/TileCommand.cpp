#include "CommandTable.h"
#include "TileCommand.h"

#include <boost/algorithm/string/predicate.hpp>
#include <boost/filesystem.hpp>
#include <cstdio>

#include "CommandLine.h"
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

const std::string kHelp =
    "usage: jobpos tile --kind K --width W --length L [--gap SCAN,FEED]\n"
    "                   [--page-gap MM] [--after-feed] [--pair-first] [--pair-second]\n"
    "                   [--second-column-offset MM] [--pair-count N] [--row-width MM]\n"
    "                   --out DIR [--svg FILE] [--json FILE|-] [--allow-warnings]\n"
    "                   [--log LEVEL] JOB.ini\n"
    "Lays out the tiles of one tiled job (its Composite \"tiling\" true and\n"
    "\"tilePrintTile\" naming the tiles to print) and writes the job back into DIR.\n"
    "  --kind K           6 nest the tiles in rows across the media, new sheets when\n"
    "                     the length runs out; 7 one column placed as one block;\n"
    "                     8 each tile on its own sheet, or one below the other\n"
    "  --width W          printable width across the media, mm\n"
    "  --length L         printable length of a sheet, mm; -1 an unlimited roll\n"
    "  --out DIR          where the tiled job text goes\n"
    "  --gap SCAN,FEED    mm between tiles across and along (default 0,0)\n"
    "The arguments of alignmentTilingPositionExec, in its order (defaults 0/off):\n"
    "  --pair-first                (1) paired placement, first switch\n"
    "  --page-gap MM               (2) page gap; kind 8 also adds it after each tile\n"
    "  --after-feed                (3) after-feed; kind 8 also adds the job's afterFeed\n"
    "  --pair-second               (4) paired placement, second switch\n"
    "  --second-column-offset MM   (5) scan offset of the second column; 0 or less\n"
    "                              pairs tiles in rows instead\n"
    "  --pair-count N              (6) 2 or more for the paired placement\n"
    "  --row-width MM              (7) width limit of a paired row\n"
    "Kind 6 pairs only with --pair-first, --pair-second and --pair-count 2 or more.\n"
    "  --svg FILE         also draw every sheet: each tile at its offset, labelled\n"
    "                     (column,row), the overlap it carries hatched\n"
    + std::string(CommandTable::executionEnd()) + "Kinds:\n";

ToolError usage(const std::string& message) { return ToolError(ToolError::kUsage, message); }

double notNegative(const CommandLine& line, const std::string& option) {
  const double value = line.number(option, 0.0);
  if (value < 0.0) throw usage(option + " must not be negative");
  return value;
}

TilingSettings tilingOf(const CommandLine& line) {
  TilingSettings t;
  t.pairFirst = line.has("--pair-first");
  t.pageGap = notNegative(line, "--page-gap");
  t.afterFeed = line.has("--after-feed");
  t.pairSecond = line.has("--pair-second");
  t.pairColumnOffset = line.number("--second-column-offset", 0.0);
  t.pairCount = line.has("--pair-count") ? line.integer("--pair-count") : 0;
  if (t.pairCount < 0) throw usage("--pair-count must not be negative");
  t.pairRowWidthLimit = notNegative(line, "--row-width");
  return t;
}

// The paired placement asks for three options at once; say so when only
// some of them were given, or when the kind does not pair.
void notePairing(const CommandLine& line, const TilingSettings& t, int kind) {
  const bool on = t.pairFirst && t.pairSecond && t.pairCount >= 2;
  const bool asked = t.pairFirst || t.pairSecond || line.has("--pair-count") ||
                     line.has("--second-column-offset") || line.has("--row-width");
  if (asked && !on)
    std::fprintf(stderr,
                 "jobpos: note: the paired placement stays off: it needs --pair-first, "
                 "--pair-second and --pair-count 2 or more\n");
  else if (on && kind != 6)
    std::fprintf(stderr, "jobpos: note: only kind 6 pairs tiles; kind %d ignores the pairing\n",
                 kind);
}

// Why the library will not tile this job, when the job text shows it.
std::string notTiled(const JobText& job) {
  const auto tiling = job.value("Composite", "tiling");
  if (!tiling || !boost::algorithm::iequals(*tiling, "true"))
    return job.origin() + " is not a tiled job (its Composite \"tiling\" is not true)";
  const auto tiles = job.value("Composite", "tilePrintTile");
  if (!tiles || tiles->empty())
    return job.origin() + " names no tile to print (its Composite \"tilePrintTile\" is empty)";
  return "";
}

// init, the job, the tiling: the job's text as the library returns it.
std::string tiledText(const MediaSettings& media, const TilingSettings& tiling,
                      const JobText& job) {
  LayoutEngine engine;
  engine.init(media);
  engine.addJobs({job});
  try {
    engine.tile(tiling);
  } catch (const ToolError&) {
    const std::string reason = notTiled(job);
    if (reason.empty()) throw;
    throw ToolError(ToolError::kLibraryFalse,
                    "alignmentTilingPositionExec answered false: " + reason);
  }
  const std::vector<std::string> texts = engine.jobTexts();
  if (texts.size() != 1)
    throw ToolError(ToolError::kLibraryFalse,
                    "the library handed back " + std::to_string(texts.size()) + " jobs for 1");
  return texts.front();
}

void printSummary(std::FILE* out, const JobText& tiled, const SheetLayout& layout,
                  double width) {
  size_t tiles = 0;
  for (const auto& sheet : layout.sheets()) tiles += sheet.units().size();
  std::fprintf(out, "%s: %zu tiles of a %d x %d tiling on %zu sheet(s)\n", tiled.jobId().c_str(), tiles,
              static_cast<int>(tiled.number("Composite", "tileScanDivision", 0)),
              static_cast<int>(tiled.number("Composite", "tileFeedDivision", 0)),
              layout.sheets().size());
  for (const auto& sheet : layout.sheets())
    std::fprintf(out, "%s\n", sheet.summary(width, "tiles").c_str());
}

}  // namespace

std::string TileCommand::help() { return kHelp + KindTable::help(KindFamily::Tiling); }

int TileCommand::run(const std::vector<std::string>& args) {
  const CommandLine line(args,
                         {"--kind", "--width", "--length", "--gap", "--page-gap",
                          "--second-column-offset", "--pair-count", "--row-width", "--out",
                          "--svg", "--json", "--log"},
                         {"--pair-first", "--after-feed", "--pair-second", "--allow-warnings"});
  if (line.has("--log")) LogSink::install(line.text("--log"));
  const MediaSettings media = MediaOptions::readFor(line, KindFamily::Tiling, "tile takes the tiling kinds");
  const TilingSettings tiling = tilingOf(line);
  const fs::path outDir = line.text("--out");
  if (line.files().size() != 1)
    throw usage("tile takes exactly one job file (the library tiles only the first job), not " +
                std::to_string(line.files().size()));
  const JobText job = JobText::fromFile(line.files().front());
  notePairing(line, tiling, media.kind);

  const fs::path target = outDir / fs::path(job.origin()).filename();
  const JobText tiled(target.string(), tiledText(media, tiling, job), ToolError::kLibraryFalse);
  const SheetLayout layout({tiled}, {job});
  const SheetMedia sheet = MediaOptions::sheetOf(media);
  const LayoutReport report(layout, sheet);
  OutputFiles outputs;
  outputs.add(target, tiled.text());
  if (line.has("--svg")) outputs.add(line.text("--svg"), SvgPicture(sheet).render(layout, report));
  if (line.has("--json") && !LayoutReport::jsonToStdout(line))
    outputs.add(line.text("--json"), report.json("tile", nullptr));
  outputs.commit();

  std::FILE* out = LayoutReport::linesTo(line);
  for (const auto& warning : layout.warnings())
    std::fprintf(stderr, "jobpos: warning: %s\n", warning.c_str());
  report.printWarnings();
  printSummary(out, tiled, layout, media.width);
  if (!layout.sheets().empty()) std::fprintf(out, "%s\n", report.totalLine().c_str());
  std::fprintf(out, "job text written to %s\n", target.string().c_str());
  if (line.has("--svg")) std::fprintf(out, "picture written to %s\n", line.text("--svg").c_str());
  if (LayoutReport::jsonToStdout(line)) std::fputs(report.json("tile", nullptr).c_str(), stdout);
  return report.status(line.has("--allow-warnings"));
}
