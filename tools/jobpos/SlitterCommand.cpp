#include "CommandTable.h"
#include "SlitterCommand.h"

#include <boost/filesystem.hpp>
#include <cstdio>
#include <fstream>
#include <sstream>

#include "CommandLine.h"
#include "CutLines.h"
#include "CutLinesOverlay.h"
#include "JobText.h"
#include "LayoutEngine.h"
#include "LayoutReport.h"
#include "LogSink.h"
#include "OutputFiles.h"
#include "SheetLayout.h"
#include "SvgPicture.h"
#include "ToolError.h"

namespace fs = boost::filesystem;

namespace {

const std::string kHelp =
    "usage: jobpos slitter --width W --length L [--gap SCAN,FEED] [--center]\n"
    "                      [--variant N] [--device FILE.xml] --out DIR [--svg FILE]\n"
    "                      [--json FILE|-] [--allow-warnings] [--log LEVEL] JOB.ini...\n"
    "Arranges the jobs for an automatic XY slitter: a layout the slitter cuts with\n"
    "straight cuts through the whole piece, inside the frame its marks need (the\n"
    "primary job's xySlitter keys and the device's XySlitter elements). The\n"
    "primary job is the one the first job names in \"Primary\".\n"
    "  --width W          printable width across the media, mm\n"
    "  --length L         printable length of a sheet, mm; -1 an unlimited roll\n"
    "  --gap SCAN,FEED    mm between units across and along (default 0,0)\n"
    "  --center           centre the layout across the media\n"
    "  --variant N        0 or 1 the standard layout (units turned where the job\n"
    "                     allows it), 2 every unit as the job turned it\n"
    "  --device FILE.xml  device-function parameters (default: the library's)\n"
    "  --out DIR          where the arranged job texts go\n"
    "  --svg FILE         also draw every sheet with the slitter's cut lines\n"
    + std::string(CommandTable::executionEnd());

ToolError usage(const std::string& message) { return ToolError(ToolError::kUsage, message); }

SlitterSettings settingsOf(const CommandLine& line) {
  SlitterSettings s;
  s.width = line.number("--width");
  s.length = line.number("--length");
  if (s.width <= 0.0) throw usage("--width must be more than 0 mm");
  if (s.length != -1.0 && s.length <= 0.0)
    throw usage("--length must be more than 0 mm, or -1 for an unlimited roll");
  const auto gap = line.pair("--gap", {0.0, 0.0});
  if (gap.first < 0.0 || gap.second < 0.0) throw usage("--gap must not be negative");
  s.gapScan = gap.first;
  s.gapFeed = gap.second;
  s.centerInScan = line.has("--center");
  const int variant = line.has("--variant") ? line.integer("--variant") : 0;
  if (variant < 0) throw usage("--variant must be 0 or more");
  s.variant = static_cast<unsigned>(variant);
  return s;
}

std::string deviceText(const std::string& path) {
  boost::system::error_code error;
  if (!fs::is_regular_file(path, error)) throw usage("--device " + path + ": no such file");
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  if (!in || !(text << in.rdbuf())) throw usage("--device " + path + ": cannot be read");
  return text.str();
}

// Device-function parameters the library cannot read are a file error.
void addDevice(LayoutEngine& engine, const std::string& path) {
  const std::string record = engine.addDeviceFunctionParam(deviceText(path));
  if (!record.empty()) throw usage("--device " + path + ": the library cannot read it: " + record);
}

// The check's warnings and every sheet's figures with the cuts it takes.
void printResult(const CommandLine& line, const SheetLayout& layout, const LayoutReport& report,
                 double width) {
  std::FILE* out = LayoutReport::linesTo(line);
  for (const auto& warning : layout.warnings())
    std::fprintf(stderr, "jobpos: warning: %s\n", warning.c_str());
  report.printWarnings();
  for (const auto& sheet : layout.sheets()) {
    const CutLines cuts(sheet, 0.0, 0.0, width, sheet.usedLength());
    const size_t n = cuts.lines().size();
    std::fprintf(out, "%s, %zu cut%s\n", sheet.summary(width).c_str(), n, n == 1 ? "" : "s");
  }
  if (layout.sheets().empty()) std::fprintf(out, "no arranged units in the returned jobs\n");
  else std::fprintf(out, "%s\n", report.totalLine().c_str());
}

}  // namespace

std::string SlitterCommand::help() { return kHelp; }

int SlitterCommand::run(const std::vector<std::string>& args) {
  const CommandLine line(args, {"--width", "--length", "--gap", "--variant", "--device", "--out",
                                "--svg", "--json", "--log"},
                         {"--center", "--allow-warnings"});
  if (line.has("--log")) LogSink::install(line.text("--log"));
  const SlitterSettings settings = settingsOf(line);
  const fs::path outDir = line.text("--out");
  if (line.files().empty()) throw usage("slitter needs at least one job file");
  const std::vector<JobText> jobs = JobText::fromFiles(line.files(), outDir.string());

  LayoutEngine engine;
  engine.addJobs(jobs);
  if (line.has("--device")) addDevice(engine, line.text("--device"));
  engine.slitter(settings);
  const std::vector<std::string> texts = engine.jobTexts();

  OutputFiles outputs;
  const SheetLayout layout(outputs.addArranged(jobs, texts, outDir), jobs);
  SheetMedia media;
  media.width = settings.width;
  media.length = settings.length;
  const LayoutReport report(layout, media);
  const CutLinesOverlay cuts;
  if (line.has("--svg"))
    outputs.add(line.text("--svg"), SvgPicture(media, &cuts).render(layout, report));
  if (line.has("--json") && !LayoutReport::jsonToStdout(line))
    outputs.add(line.text("--json"), report.json("slitter", nullptr));
  outputs.commit();

  printResult(line, layout, report, settings.width);
  std::FILE* out = LayoutReport::linesTo(line);
  std::fprintf(out, "%zu job texts written to %s\n", texts.size(), outDir.string().c_str());
  if (line.has("--svg")) std::fprintf(out, "picture written to %s\n", line.text("--svg").c_str());
  if (LayoutReport::jsonToStdout(line)) std::fputs(report.json("slitter", nullptr).c_str(), stdout);
  return report.status(line.has("--allow-warnings"));
}
