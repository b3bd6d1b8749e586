#include "CommandTable.h"
#include "GroupCommand.h"

#include <boost/filesystem.hpp>
#include <cstdio>
#include <fstream>
#include <sstream>

#include "CommandLine.h"
#include "CutLinesOverlay.h"
#include "GroupOverlay.h"
#include "GroupSettings.h"
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
    "usage: jobpos group --kind K --width W --length L [--gap SCAN,FEED] [--center]\n"
    "                    [--twin START2,WIDTH1] [--jig FILE.xml] --out DIR [--svg FILE]\n"
    "                    [--json FILE|-] [--allow-warnings] [--log LEVEL] JOB.ini...\n"
    "Arranges the jobs as one group: the grouping primary (the job whose \"JobID\"\n"
    "equals its \"GroupingPrimary\") lists the members, margins and group duplicates\n"
    "in its Print section. Every job is written back into DIR under its file name.\n"
    "  --kind K           13-16 one after the other along the feed, 17-22 packed\n"
    "                     for the least media; 13,14,17,18 turn units to landscape,\n"
    "                     19,20 take turns off, 15,16,21,22 keep them; odd kinds\n"
    "                     order by member, then copy; even kinds by copy, then\n"
    "                     member. 23,24 for an XY slitter, 25,26 for a Fotoba\n"
    "                     trimmer (layouts cut by straight cuts through the whole\n"
    "                     piece, drawn with their cut lines), 29,30 into the\n"
    "                     pockets of the jig of --jig. The library refuses a kind\n"
    "                     it does not run in this build (status 1); the kinds are\n"
    "                     listed below\n"
    "  --jig FILE.xml     the jig for kinds 29,30 (InitJigParam)\n"
    "  --width W          printable width across the media, mm\n"
    "  --length L         printable length of a sheet, mm; -1 an unlimited roll\n"
    "  --out DIR          where the grouped job texts go\n"
    "  --gap SCAN,FEED    mm between units across and along (default 0,0)\n"
    "  --center           centre each sheet across, leaving room for the\n"
    "                     primary's groupingDuplicateCount copies of the group\n"
    "  --twin START2,WIDTH1  kinds 17-22: rows on two rolls, the second starting\n"
    "                     START2 mm across, the first WIDTH1 mm wide (not more\n"
    "                     than START2); default 0,0: one roll\n"
    "  --svg FILE         also draw every sheet: each member in its colour, locked\n"
    "                     units hatched, each unit's group duplicate (#copy) and the\n"
    "                     group margins as shaded bands\n"
    + std::string(CommandTable::executionEnd()) + "Kinds:\n";

ToolError usage(const std::string& message) { return ToolError(ToolError::kUsage, message); }

std::string jigText(const std::string& path) {
  boost::system::error_code error;
  if (!fs::is_regular_file(path, error)) throw usage("--jig " + path + ": no such file");
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  if (!in || !(text << in.rdbuf())) throw usage("--jig " + path + ": cannot be read");
  return text.str();
}

std::vector<JobText> jobsOf(const CommandLine& line, const fs::path& outDir) {
  if (line.files().empty()) throw usage("group needs at least one job file");
  return JobText::fromFiles(line.files(), outDir.string());
}

// init, the jobs, the grouping: every job's text as the library returns it.
std::vector<std::string> groupedTexts(const MediaSettings& media, const std::vector<JobText>& jobs,
                                      const GroupSettings& group, const std::string& jigPath) {
  LayoutEngine engine;
  engine.init(media);
  engine.addJobs(jobs);
  if (!jigPath.empty()) {
    const std::string record = engine.initJig(jigText(jigPath));
    if (!record.empty())
      throw usage("--jig " + jigPath + ": the library cannot read it: " + record);
  }
  try {
    engine.group();
  } catch (const ToolError&) {
    if (group.hasPrimary()) throw;
    throw ToolError(ToolError::kLibraryFalse,
                    "alignmentGroupingJobPositionExec answered false: no job is its own grouping "
                    "primary (a Job \"GroupingPrimary\" equal to its \"JobID\")");
  }
  std::vector<std::string> texts = engine.jobTexts();
  if (texts.size() != jobs.size())
    throw ToolError(ToolError::kLibraryFalse,
                    "the library handed back " + std::to_string(texts.size()) + " jobs for " +
                        std::to_string(jobs.size()) + " job files");
  return texts;
}

std::string listed(const std::vector<std::string>& ids) {
  std::string text;
  for (const auto& id : ids) text += (text.empty() ? "" : ", ") + id;
  return text;
}

void printGroup(std::FILE* out, const GroupSettings& group, int kind) {
  std::vector<std::string> locked;
  for (const auto& m : group.members())
    if (group.isLocked(m)) locked.push_back(m);
  std::fprintf(out, "group %s (kind %d): members %s; locked: %s; groupingDuplicateCount %d\n",
              group.primaryId().c_str(), kind, listed(group.members()).c_str(),
              locked.empty() ? "none" : listed(locked).c_str(), group.duplicateCount());
}

}  // namespace

std::string GroupCommand::help() { return kHelp + KindTable::help(KindFamily::Grouping); }

int GroupCommand::run(const std::vector<std::string>& args) {
  const CommandLine line(args,
                         {"--kind", "--width", "--length", "--gap", "--twin", "--jig", "--out",
                          "--svg", "--json", "--log"},
                         {"--center", "--allow-warnings"});
  if (line.has("--log")) LogSink::install(line.text("--log"));
  const MediaSettings media = MediaOptions::readFor(line, KindFamily::Grouping, "group takes the grouping kinds");
  const fs::path outDir = line.text("--out");
  const std::vector<JobText> jobs = jobsOf(line, outDir);
  const GroupSettings group(jobs);
  const std::string jig = line.has("--jig") ? line.text("--jig") : "";
  const std::vector<std::string> texts = groupedTexts(media, jobs, group, jig);

  OutputFiles outputs;
  std::vector<JobText> grouped;
  for (size_t i = 0; i < texts.size(); ++i) {
    const fs::path target = outDir / fs::path(jobs[i].origin()).filename();
    grouped.emplace_back(target.string(), texts[i], ToolError::kLibraryFalse);
    outputs.add(target, texts[i]);
  }
  const SheetLayout layout(grouped, jobs);
  const GroupOverlay overlay(group);
  const SheetMedia sheet = MediaOptions::sheetOf(media);
  const LayoutReport report(layout, sheet);
  // The cutter kinds are drawn with their cut lines.
  const CutLinesOverlay cuts(&overlay);
  const bool cutter = media.kind >= 23 && media.kind <= 26;
  const PictureOverlay* marks = cutter ? static_cast<const PictureOverlay*>(&cuts) : &overlay;
  if (line.has("--svg"))
    outputs.add(line.text("--svg"), SvgPicture(sheet, marks).render(layout, report));
  if (line.has("--json") && !LayoutReport::jsonToStdout(line))
    outputs.add(line.text("--json"), report.json("group", nullptr));
  outputs.commit();

  std::FILE* out = LayoutReport::linesTo(line);
  for (const auto& warning : layout.warnings())
    std::fprintf(stderr, "jobpos: warning: %s\n", warning.c_str());
  report.printWarnings();
  printGroup(out, group, media.kind);
  for (const auto& s : layout.sheets()) std::fprintf(out, "%s\n", s.summary(media.width).c_str());
  if (layout.sheets().empty()) std::fprintf(out, "no arranged units in the returned jobs\n");
  else std::fprintf(out, "%s\n", report.totalLine().c_str());
  std::fprintf(out, "%zu job texts written to %s\n", texts.size(), outDir.string().c_str());
  if (line.has("--svg")) std::fprintf(out, "picture written to %s\n", line.text("--svg").c_str());
  if (LayoutReport::jsonToStdout(line)) std::fputs(report.json("group", nullptr).c_str(), stdout);
  return report.status(line.has("--allow-warnings"));
}
